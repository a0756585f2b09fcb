#pragma once
#include <QDialog>
#include <QPoint>
#include <optional>

class QLineEdit;

namespace platform::qt {

// A prompt, a one-line edit and OK / Cancel: what the program's input box shows.
class InputDialog : public QDialog {
public:
    InputDialog(QWidget* parent, const QString& title, const QString& prompt, const QString& initial);

    QString text() const;

private:
    QLineEdit* edit_;
};

// The text typed, or nothing after Cancel or Esc. Placed with its top left
// corner at topLeft (screen pixels) when given, else centred.
std::optional<QString> AskForText(const QString& title, const QString& prompt, const QString& initial,
                                  std::optional<QPoint> topLeft);

}  // namespace platform::qt
