#pragma once

class QLabel;
class QWidget;

// Arranges the work area whenever its size changes: the editing surface fills the left
// side, the tool panel with its pages stands right of it, and the tag display, the
// "Add to Custom Style" button and the help line run below the surface. Measures are
// in twips; a step whose size would come out negative is skipped.
struct PostEditorLayout {
    QWidget* workArea = nullptr;
    QWidget* surface = nullptr;      // RichTextBox1
    QWidget* toolPanel = nullptr;    // Picture1
    QWidget* buttonStrip = nullptr;  // PicButtons
    QLabel* helpLine = nullptr;      // Label6
    QWidget* pages[3] = {};          // FrameList, FrameSmiley, FrameCustom
    QWidget* tagDisplay = nullptr;   // lblShow
    QWidget* presetButton = nullptr; // cmdPreset, when there is one
    QWidget* findBar = nullptr;      // picFind, under the surface while shown

    void apply(bool maximized, int outerWidth, int outerHeight, int innerWidth) const;
};
