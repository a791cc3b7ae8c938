#include <gtest/gtest.h>

#include "shell/error_box.hpp"

namespace tobrel::shell {
namespace {

TEST(ErrorBoxTest, TitleIsTheExecutableNameCutAtItsFirstStopWithTheRestLowerCase) {
    struct Case {
        const char* path;
        const char* title;
    };
    for (const Case& c :
         {Case{"/usr/bin/tobrel", "Tobrel"}, Case{"C:/Program/TOBREL.EXE", "Tobrel"},
          Case{"/opt/tobrel.v1.10", "Tobrel"}, Case{"/x/aBC", "Abc"}}) {
        EXPECT_EQ(applicationTitle(QString::fromLatin1(c.path)), QString::fromLatin1(c.title))
            << c.path;
    }
}

TEST(ErrorBoxTest, FullStopIsAddedOnlyAfterACharacterAboveIt) {
    struct Case {
        const char* message;
        const char* shown;
    };
    for (const Case& c :
         {Case{"'abc' is not a valid floating point value",
               "'abc' is not a valid floating point value."},
          Case{"Done.", "Done."}, Case{"Ok?", "Ok?."}, Case{"ends with -", "ends with -"},
          Case{"", ""}, Case{"Грешка", "Грешка."}}) {
        EXPECT_EQ(errorBoxText(QString::fromUtf8(c.message)), QString::fromUtf8(c.shown));
    }
}

TEST(ErrorBoxTest, GuardedCommandShowsTheFailureAndReturns) {
    QStringList shown;
    setErrorPresenter([&](const QString&, const QString& text) { shown << text; });
    bool after = false;
    runGuarded([] { throw std::runtime_error("broken"); });
    runGuarded([] { throw 42; });
    after = true;
    setErrorPresenter({});
    EXPECT_TRUE(after);
    EXPECT_EQ(shown, (QStringList{"broken.", ""}));
}

}  // namespace
}  // namespace tobrel::shell
