#pragma once

// Sheet columns by meaning; every subsystem refers to columns through these.
namespace tobrel::sheet::column {

inline constexpr int kPoint = 0;
inline constexpr int kFirstReading = 1;
inline constexpr int kLastReading = 12;
inline constexpr int kMean = 13;
inline constexpr int kCount = 14;
inline constexpr int kCurveStrength = 15;
inline constexpr int kDirection = 16;
inline constexpr int kDirectionFactor = 17;
inline constexpr int kDeviceFactor = 18;
inline constexpr int kAge = 19;
inline constexpr int kAgeFactor = 20;
inline constexpr int kProbableStrength = 21;
inline constexpr int kConcreteClass = 22;

}  // namespace tobrel::sheet::column

namespace tobrel::sheet::direction {

inline constexpr const char* kDown = "надолу";
inline constexpr const char* kHorizontal = "хориз.";
inline constexpr const char* kUp = "нагоре";

}  // namespace tobrel::sheet::direction
