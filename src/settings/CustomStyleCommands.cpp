#include "settings/CustomStyleCommands.h"

#include "markup/TagHolders.h"
#include "platform/EditingSurface.h"
#include "platform/ModalDialogs.h"
#include "platform/Prompter.h"
#include "settings/CustomStylesDialog.h"
#include "settings/StyleNameDialog.h"

void CustomStyleCommands::addPresentStyle() {
    if (m_context.nothingChosen()) {
        Prompter::inform(m_context.owner, "Please define a style first !!");
        m_context.surface.setFocus();
        return;
    }
    StyleNameDialog naming(m_context.owner);
    if (ModalDialogs::run(naming) != QDialog::Accepted) {
        m_context.surface.setFocus();
        return;
    }
    const TagHolders& tags = m_context.holders;
    openStylesWindow(CustomStyle{naming.styleName(), tags.startTag(), tags.endTag()});
}

void CustomStyleCommands::showCustomStyles() {
    openStylesWindow(std::nullopt);
}

void CustomStyleCommands::openStylesWindow(const std::optional<CustomStyle>& toStore) {
    CustomStylesDialog window(m_context.surface, m_context.settingsPath, m_context.owner);
    if (toStore)
        window.storeInFirstEmptySlot(*toStore);
    ModalDialogs::run(window);
}
