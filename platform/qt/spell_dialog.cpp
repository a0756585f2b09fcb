#include "platform/qt/spell_dialog.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace platform::qt {

SpellWordDialog::SpellWordDialog(QWidget* parent, const SpellQuestion& question, std::function<void()> help)
    : QDialog(parent) {
    // A dialog's frame: a close box only, and a size of its own.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle("Spelling Check");
    setObjectName("SpellWordDialog");

    auto* wordLabel = new QLabel("Not in dictionary:", this);
    auto* word = new QLineEdit(ToQt(question.word), this);
    word->setObjectName("word");
    word->setReadOnly(true);
    word->setAccessibleName("Not in dictionary");
    wordLabel->setBuddy(word);

    auto* changeLabel = new QLabel("Change &to:", this);
    changeTo_ = new QLineEdit(ToQt(question.suggestions.empty() ? question.word : question.suggestions.front()), this);
    changeTo_->setObjectName("changeTo");
    changeTo_->setAccessibleName("Change to");
    changeLabel->setBuddy(changeTo_);

    auto* suggestionsLabel = new QLabel("&Suggestions:", this);
    suggestions_ = new QListWidget(this);
    suggestions_->setObjectName("suggestions");
    suggestions_->setAccessibleName("Suggestions");
    suggestionsLabel->setBuddy(suggestions_);
    for (const std::string& s : question.suggestions) suggestions_->addItem(ToQt(s));
    if (suggestions_->count() == 0) {
        suggestions_->addItem("(no suggestions)");
        suggestions_->setEnabled(false);
    } else {
        suggestions_->setCurrentRow(0);
    }
    connect(suggestions_, &QListWidget::currentTextChanged, this, [this](const QString& text) {
        if (suggestions_->isEnabled()) changeTo_->setText(text);
    });
    connect(suggestions_, &QListWidget::itemDoubleClicked, this, [this] { choose(SpellAction::Change); });

    struct ButtonRow {
        const char* caption;
        const char* name;
        const char* accessible;
        std::function<void()> press;
    };
    const ButtonRow rows[] = {
        {"&Change", "change", "Change", [this] { choose(SpellAction::Change); }},
        {"Change A&ll", "changeAll", "Change All", [this] { choose(SpellAction::ChangeAll); }},
        {"&Ignore", "ignore", "Ignore", [this] { choose(SpellAction::Ignore); }},
        {"I&gnore All", "ignoreAll", "Ignore All", [this] { choose(SpellAction::IgnoreAll); }},
        {"Cancel", "cancel", "Cancel", [this] { reject(); }},
        {"&Help", "help", "Help",
         [help] {
             if (help) help();
         }},
    };
    auto* buttons = new QVBoxLayout;
    for (const ButtonRow& row : rows) {
        auto* button = new QPushButton(row.caption, this);
        button->setObjectName(row.name);
        button->setAccessibleName(row.accessible);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, row.press);
        buttons->addWidget(button);
        // Help stands apart from the answers.
        if (std::string_view(row.name) == "cancel") buttons->addSpacing(12);
    }
    buttons->addStretch(1);
    auto* change = findChild<QPushButton*>("change");
    change->setDefault(true);
    // Nothing to change to: only the other answers make sense.
    auto enableChanges = [this, change] {
        const bool some = !changeTo_->text().isEmpty();
        change->setEnabled(some);
        findChild<QPushButton*>("changeAll")->setEnabled(some);
    };
    connect(changeTo_, &QLineEdit::textChanged, this, enableChanges);
    enableChanges();

    auto* layout = new QGridLayout(this);
    layout->addWidget(wordLabel, 0, 0);
    layout->addWidget(word, 1, 0);
    layout->addWidget(changeLabel, 2, 0);
    layout->addWidget(changeTo_, 3, 0);
    layout->addWidget(suggestionsLabel, 4, 0);
    layout->addWidget(suggestions_, 5, 0);
    layout->addLayout(buttons, 0, 1, 6, 1);
    layout->setColumnMinimumWidth(0, 240);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    changeTo_->selectAll();
    changeTo_->setFocus();
}

void SpellWordDialog::choose(SpellAction action) {
    action_ = action;
    accept();
}

SpellAnswer SpellWordDialog::answer() const {
    if (result() != QDialog::Accepted) return {SpellAction::Cancel, {}};
    return {action_, FromQt(changeTo_->text())};
}

SpellAnswer QtSpellDialog::Ask(const SpellQuestion& question, const std::function<void()>& help) {
    SpellWordDialog dialog(QApplication::activeWindow(), question, help);
    dialog.exec();
    return dialog.answer();
}

}  // namespace platform::qt
