#pragma once
// A modal message box with an OK button. Tests replace it with a recorder.

#include <QString>
#include <functional>

class QWidget;

namespace platform {

void MessageBox(QWidget* owner, const QString& text);

using MessageBoxHook = std::function<void(const QString&)>;
// Replaces the real box (pass an empty function to restore it).
void SetMessageBoxHook(MessageBoxHook hook);

}  // namespace platform
