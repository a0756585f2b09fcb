#pragma once
#include <QString>
#include <QWidget>
#include <filesystem>
#include <optional>
#include <vector>

#include "platform/help_file.h"
#include "platform/services/help.h"

class QAction;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QStatusBar;
class QTabWidget;
class QTextBrowser;

namespace platform::qt {

// The program's one help window: the help file's contents, the topic text
// with its links, Back and Forward, and finding text. It runs beside the
// program's windows; closing it only hides it.
class HelpViewer : public QWidget {
public:
    HelpViewer();

    // Reads the file again and shows its contents or one topic. A file or
    // topic that is not there is said in the window.
    void open(const std::filesystem::path& file, HelpCommand command, int topic);

    // As following a link: Back returns from it.
    void showTopic(int number);
    void back();
    void forward();
    // Goes to the next place of text in the topic shown, marks every place,
    // and lists the topics that hold it.
    void find(const QString& text);

    // The topic shown; nothing while a message is.
    std::optional<int> currentTopic() const;

private:
    void buildWindow();
    help::ReadStatus load(const std::filesystem::path& file);
    void showMessage(const QString& heading, const QStringList& paragraphs);
    // Shows a topic without touching the history.
    void display(int number);
    void syncControls();
    // Both give how many they found.
    int markFound(const QString& text);
    int listTopicsHolding(const QString& text);
    void onListChoice(QListWidgetItem* item);

    std::filesystem::path path_;
    help::HelpFile file_;
    std::vector<QString> plainTexts_;  // of each topic, in file order, for finding text

    std::vector<int> history_;  // the topics shown, oldest first
    std::size_t at_ = 0;        // the one shown (or last shown, under a message) in history_
    bool messageShown_ = false;

    QAction* contentsAction_ = nullptr;
    QAction* backAction_ = nullptr;
    QAction* forwardAction_ = nullptr;
    QAction* findNextAction_ = nullptr;
    QLineEdit* findEdit_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    QListWidget* contentsList_ = nullptr;
    QListWidget* searchList_ = nullptr;
    QTextBrowser* browser_ = nullptr;
    QStatusBar* status_ = nullptr;
    bool syncing_ = false;  // the lists follow the topic shown, without showing it again
};

}  // namespace platform::qt
