#include "batch/cell_names.hpp"

#include <algorithm>

namespace tobrel::batch {

std::string columnLetters(int col) {
    std::string letters;
    for (int rest = col + 1; rest > 0; rest = (rest - 1) / 26)
        letters += static_cast<char>('A' + (rest - 1) % 26);
    std::ranges::reverse(letters);
    return letters;
}

int worksheetRow(int row) {
    return row + 1;
}

}  // namespace tobrel::batch
