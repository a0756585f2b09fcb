#include "platform/qt/input_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace platform::qt {

InputDialog::InputDialog(QWidget* parent, const QString& title, const QString& prompt, const QString& initial)
    : QDialog(parent) {
    // A dialog's frame: a close box only, and a size of its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(title);
    auto* label = new QLabel(prompt, this);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setMinimumWidth(260);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Vertical, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    edit_ = new QLineEdit(initial, this);
    edit_->selectAll();

    // Prompt on the left, buttons on the right, the edit across the bottom.
    auto* layout = new QGridLayout(this);
    layout->addWidget(label, 0, 0);
    layout->addWidget(buttons, 0, 1, Qt::AlignTop);
    layout->addWidget(edit_, 1, 0, 1, 2);
    layout->setRowStretch(0, 1);
    layout->setRowMinimumHeight(0, 72);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    edit_->setFocus();
}

QString InputDialog::text() const { return edit_->text(); }

std::optional<QString> AskForText(const QString& title, const QString& prompt, const QString& initial,
                                  std::optional<QPoint> topLeft) {
    InputDialog dialog(QApplication::activeWindow(), title, prompt, initial);
    dialog.adjustSize();
    if (topLeft) {
        dialog.move(*topLeft);
    } else if (!dialog.parentWidget()) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            dialog.move(screen->availableGeometry().center() - dialog.rect().center());
    }
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.text();
}

}  // namespace platform::qt
