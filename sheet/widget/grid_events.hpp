#pragma once

#include <functional>

class QWidget;

namespace tobrel::sheet::widget {

enum class CellAlignH { Left, Centre, Right };
enum class CellAlignV { Top, Middle, Bottom };
// Plain one-line text or a drop-down list without free typing.
enum class EditorType { Normal, ComboList };

// The grid's events, raised in the order the grid meets them; the window binds its handlers here.
struct GridEvents {
    std::function<void(int row, int col, CellAlignH& horizontal, CellAlignV& vertical)>
        getAlignment;
    std::function<void(int col, int row, EditorType& editor)> getEditorType;
    // The editor just made for the cell, before it shows the cell's text.
    std::function<void(int col, int row, QWidget* editor)> getEditorProp;
};

}  // namespace tobrel::sheet::widget
