#pragma once

#include "settings/CustomStyles.h"

#include <QString>
#include <functional>
#include <optional>

class EditingSurface;
class QWidget;
class TagHolders;

// The work area's ways into the custom styles: "Add to Custom Style" stores the present
// style under a name the user gives; "Custom Style" (button, menu, Ctrl+Y) opens the
// window of stored styles. Both windows are modal.
class CustomStyleCommands {
public:
    struct Context {
        EditingSurface& surface;
        const TagHolders& holders;           // the composed tags of the present style
        std::function<bool()> nothingChosen; // the style controls are at their neutral state
        QString settingsPath;
        QWidget* owner = nullptr; // parent of the windows
    };
    explicit CustomStyleCommands(Context context) : m_context(std::move(context)) {}

    // Asks for a name and stores the present style under it, then shows the stored styles.
    void addPresentStyle();
    void showCustomStyles();

private:
    void openStylesWindow(const std::optional<CustomStyle>& toStore);

    Context m_context;
};
