// Every message the program shows the user goes through this interface:
// the program answers with a QMessageBox, the tests with a script.
#pragma once

#include <QString>

class QWidget;

namespace velmora {

enum class PromptType { Error, Warning, Information, Confirmation };
// SaveDiscardCancel asks before work could be lost: Yes is Save, No is
// Discard, and Escape or the close button is Cancel.
enum class PromptButtons { Ok, OkCancel, YesNo, SaveDiscardCancel };
enum class PromptAnswer { Ok, Cancel, Yes, No };

class Prompts {
public:
    virtual ~Prompts() = default;
    virtual PromptAnswer show(PromptType type, const QString &text, PromptButtons buttons) = 0;

    void error(const QString &text) { show(PromptType::Error, text, PromptButtons::Ok); }
    void warning(const QString &text) { show(PromptType::Warning, text, PromptButtons::Ok); }
    void information(const QString &text) { show(PromptType::Information, text, PromptButtons::Ok); }
};

// Modal message boxes titled with the product title, parented to a window.
class MessageBoxPrompts : public Prompts {
public:
    explicit MessageBoxPrompts(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    PromptAnswer show(PromptType type, const QString &text, PromptButtons buttons) override;

private:
    QWidget *parent_;
};

} // namespace velmora
