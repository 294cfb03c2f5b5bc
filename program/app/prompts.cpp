#include "app/prompts.h"

#include "settings/settings.h"

#include <QMessageBox>

namespace velmora {

PromptAnswer MessageBoxPrompts::show(PromptType type, const QString &text, PromptButtons buttons)
{
    QMessageBox box(parent_);
    box.setWindowTitle(QString::fromLatin1(kProductTitle));
    box.setText(text);
    switch (type) {
    case PromptType::Error: box.setIcon(QMessageBox::Critical); break;
    case PromptType::Warning: box.setIcon(QMessageBox::Warning); break;
    case PromptType::Information: box.setIcon(QMessageBox::Information); break;
    case PromptType::Confirmation: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case PromptButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case PromptButtons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes:
    case QMessageBox::Save: return PromptAnswer::Yes;
    case QMessageBox::No:
    case QMessageBox::Discard: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;   // Escape or the close button
    }
}

} // namespace velmora
