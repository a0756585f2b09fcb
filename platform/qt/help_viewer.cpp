#include "platform/qt/help_viewer.h"

#include <QAction>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "platform/help_markup.h"

namespace platform::qt {

namespace fs = std::filesystem;

namespace {

constexpr int TopicRole = Qt::UserRole;

const char* const TopicStyle = R"(
h2 { color: #1d3f87; font-size: x-large; }
h3 { color: #1d3f87; font-size: large; }
a { color: #1a5fb4; font-weight: 600; text-decoration: none; }
)";

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

QString PathText(const fs::path& path) { return QString::fromStdString(path.string()); }

QString Count(qsizetype n, const char* one, const char* many) {
    return QString("%1 %2").arg(n).arg(n == 1 ? one : many);
}

QString Quoted(const QString& text) { return QString::fromUtf8("\u201C") + text + QString::fromUtf8("\u201D"); }

void Describe(QWidget* widget, const char* objectName, const QString& name, const QString& description) {
    widget->setObjectName(objectName);
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

}  // namespace

HelpViewer::HelpViewer() {
    setObjectName("HelpViewer");
    setWindowTitle("Pantrivo Help");
    setAccessibleName("Pantrivo Help");
    buildWindow();
    resize(900, 640);
    syncControls();
}

void HelpViewer::buildWindow() {
    auto* toolbar = new QToolBar(this);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolbar->setMovable(false);
    contentsAction_ = toolbar->addAction(style()->standardIcon(QStyle::SP_FileDialogListView), "&Contents");
    backAction_ = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), "&Back");
    backAction_->setShortcut(QKeySequence::Back);
    forwardAction_ = toolbar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), "F&orward");
    forwardAction_->setShortcut(QKeySequence::Forward);
    auto* gap = new QWidget(toolbar);
    gap->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    toolbar->addWidget(gap);
    auto* findLabel = new QLabel("&Find:", toolbar);
    findEdit_ = new QLineEdit(toolbar);
    findEdit_->setPlaceholderText("Words to find");
    findEdit_->setClearButtonEnabled(true);
    findEdit_->setMinimumWidth(220);
    findLabel->setBuddy(findEdit_);
    toolbar->addWidget(findLabel);
    toolbar->addWidget(findEdit_);
    findNextAction_ = toolbar->addAction(style()->standardIcon(QStyle::SP_FileDialogContentsView), "Find &Next");
    findNextAction_->setShortcut(QKeySequence::FindNext);

    Describe(toolbar->widgetForAction(contentsAction_), "HelpContentsButton", "Contents",
             "Shows the list of help topics and the first topic");
    Describe(toolbar->widgetForAction(backAction_), "HelpBack", "Back", "Goes back to the topic shown before");
    Describe(toolbar->widgetForAction(forwardAction_), "HelpForward", "Forward", "Goes forward again after Back");
    Describe(findEdit_, "HelpFind", "Find text", "Words to find in this topic and in all topics");
    Describe(toolbar->widgetForAction(findNextAction_), "HelpFindNext", "Find Next",
             "Goes to the next place of the words in this topic");
    backAction_->setToolTip("Back (Alt+Left)");
    forwardAction_->setToolTip("Forward (Alt+Right)");
    findNextAction_->setToolTip("Find the words again in this topic (F3)");

    tabs_ = new QTabWidget;
    contentsList_ = new QListWidget;
    searchList_ = new QListWidget;
    for (QListWidget* list : {contentsList_, searchList_})
        list->setStyleSheet("QListWidget::item { padding: 3px 4px; }");
    contentsList_->setUniformItemSizes(true);
    tabs_->addTab(contentsList_, "Contents");
    tabs_->addTab(searchList_, "Search");
    Describe(tabs_, "HelpTabs", "Help topics", "The contents, and the topics that hold the words found");
    Describe(contentsList_, "HelpContents", "Help contents", "All help topics, by title");
    Describe(searchList_, "HelpSearchResults", "Topics found", "The topics that hold the words in Find");

    browser_ = new QTextBrowser;
    browser_->setOpenLinks(false);
    browser_->document()->setDefaultStyleSheet(TopicStyle);
    browser_->document()->setDocumentMargin(16);
    QFont textFont = browser_->font();
    textFont.setPointSizeF(textFont.pointSizeF() + 1);
    browser_->setFont(textFont);
    Describe(browser_, "HelpText", "Help topic", "The text of the help topic shown");

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(tabs_);
    splitter->addWidget(browser_);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});

    status_ = new QStatusBar;
    status_->setSizeGripEnabled(true);
    Describe(status_, "HelpStatus", "Help status", "What finding the words found");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolbar);
    layout->addWidget(splitter, 1);
    layout->addWidget(status_);

    connect(contentsAction_, &QAction::triggered, this, [this] {
        tabs_->setCurrentWidget(contentsList_);
        if (!file_.topics().empty()) showTopic(file_.topics().front().number);
        contentsList_->setFocus();
    });
    connect(backAction_, &QAction::triggered, this, [this] { back(); });
    connect(forwardAction_, &QAction::triggered, this, [this] { forward(); });
    connect(findNextAction_, &QAction::triggered, this, [this] { find(findEdit_->text()); });
    connect(findEdit_, &QLineEdit::returnPressed, this, [this] { find(findEdit_->text()); });
    connect(findEdit_, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text.isEmpty()) find(text);
    });
    connect(browser_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        if (const auto topic = help::LinkedTopic(url.toString().toStdString())) showTopic(*topic);
    });
    for (QListWidget* list : {contentsList_, searchList_}) {
        connect(list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) { onListChoice(item); });
        connect(list, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) { onListChoice(item); });
    }

    auto* findShortcut = new QShortcut(QKeySequence::Find, this);
    connect(findShortcut, &QShortcut::activated, this, [this] {
        findEdit_->setFocus();
        findEdit_->selectAll();
    });
    auto* closeShortcut = new QShortcut(Qt::Key_Escape, this);
    connect(closeShortcut, &QShortcut::activated, this, [this] { close(); });
}

void HelpViewer::open(const fs::path& file, HelpCommand command, int topic) {
    const help::ReadStatus status = load(file);
    const QString name = PathText(file.filename());
    if (status == help::ReadStatus::Missing) {
        showMessage("Help file not found", {QString("The help file %1 was not found.").arg(name),
                                            QString("Pantrivo looks for it in %1.").arg(PathText(file.parent_path()))});
    } else if (status == help::ReadStatus::Unreadable) {
        showMessage("Help file not readable",
                    {QString("The help file %1 could not be read.").arg(name), PathText(file)});
    } else if (file_.topics().empty()) {
        showMessage("No help topics", {QString("The help file %1 has no topics.").arg(name)});
    } else if (command == HelpCommand::Topic) {
        showTopic(topic);
    } else {
        tabs_->setCurrentWidget(contentsList_);
        showTopic(file_.topics().front().number);
    }

    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
    browser_->setFocus();
}

help::ReadStatus HelpViewer::load(const fs::path& file) {
    if (file != path_) {
        history_.clear();
        at_ = 0;
    }
    path_ = file;
    help::HelpFileReading reading = help::ReadHelpFile(file);
    file_ = std::move(reading.file);

    plainTexts_.clear();
    syncing_ = true;
    contentsList_->clear();
    searchList_->clear();
    for (const help::HelpTopic& topic : file_.topics()) {
        plainTexts_.push_back(Utf8(help::TopicPlainText(topic)));
        auto* item = new QListWidgetItem(Utf8(topic.title), contentsList_);
        item->setData(TopicRole, topic.number);
    }
    syncing_ = false;
    tabs_->setTabText(tabs_->indexOf(searchList_), "Search");
    return reading.status;
}

void HelpViewer::showTopic(int number) {
    if (!file_.find(number)) {
        showMessage("Topic not found",
                    {QString("Help topic %1 is not in %2.").arg(number).arg(PathText(path_.filename())),
                     "Choose a topic from the contents."});
        return;
    }
    // Following a link leaves the topics after this one, as a browser does.
    if (history_.empty() || history_[at_] != number) {
        if (!history_.empty()) history_.resize(at_ + 1);
        history_.push_back(number);
        at_ = history_.size() - 1;
    }
    display(number);
}

void HelpViewer::back() {
    if (history_.empty()) return;
    // Under a message, Back first returns to the topic it stood over.
    if (!messageShown_) {
        if (at_ == 0) return;
        --at_;
    }
    display(history_[at_]);
}

void HelpViewer::forward() {
    if (at_ + 1 >= history_.size()) return;
    ++at_;
    display(history_[at_]);
}

std::optional<int> HelpViewer::currentTopic() const {
    if (messageShown_ || history_.empty()) return std::nullopt;
    return history_[at_];
}

void HelpViewer::display(int number) {
    const help::HelpTopic* topic = file_.find(number);
    if (!topic) {  // the file changed under the history
        showTopic(number);
        return;
    }
    browser_->setExtraSelections({});
    browser_->setHtml(Utf8(help::TopicHtml(*topic)));
    status_->clearMessage();  // it spoke of the topic before
    messageShown_ = false;
    markFound(findEdit_->text());
    syncControls();
}

void HelpViewer::showMessage(const QString& heading, const QStringList& paragraphs) {
    QString html = "<h2>" + heading.toHtmlEscaped() + "</h2>";
    for (const QString& paragraph : paragraphs) html += "<p>" + paragraph.toHtmlEscaped() + "</p>";
    browser_->setExtraSelections({});
    browser_->setHtml(html);
    status_->clearMessage();
    messageShown_ = true;
    syncControls();
}

void HelpViewer::syncControls() {
    backAction_->setEnabled(!history_.empty() && (messageShown_ || at_ > 0));
    forwardAction_->setEnabled(at_ + 1 < history_.size());
    contentsAction_->setEnabled(!file_.topics().empty());

    syncing_ = true;
    const help::HelpTopic* shown = currentTopic() ? file_.find(*currentTopic()) : nullptr;
    if (shown) {
        contentsList_->setCurrentRow(static_cast<int>(shown - file_.topics().data()));
    } else {
        contentsList_->setCurrentRow(-1);
    }
    syncing_ = false;
}

void HelpViewer::onListChoice(QListWidgetItem* item) {
    if (syncing_ || !item) return;
    const int number = item->data(TopicRole).toInt();
    if (number != currentTopic()) showTopic(number);
    // A topic found by its words opens at their first place.
    if (item->listWidget() == searchList_ && !findEdit_->text().isEmpty())
        browser_->setTextCursor(browser_->document()->find(findEdit_->text()));
}

int HelpViewer::markFound(const QString& text) {
    QList<QTextEdit::ExtraSelection> marks;
    if (!text.trimmed().isEmpty()) {
        QTextCharFormat mark;
        mark.setBackground(QColor(255, 226, 110));
        mark.setForeground(Qt::black);
        for (QTextCursor place = browser_->document()->find(text); !place.isNull();
             place = browser_->document()->find(text, place))
            marks.append({place, mark});
    }
    browser_->setExtraSelections(marks);
    return static_cast<int>(marks.size());
}

int HelpViewer::listTopicsHolding(const QString& text) {
    syncing_ = true;
    searchList_->clear();
    for (std::size_t i = 0; i < plainTexts_.size(); ++i) {
        if (!plainTexts_[i].contains(text, Qt::CaseInsensitive)) continue;
        const help::HelpTopic& topic = file_.topics()[i];
        auto* item = new QListWidgetItem(Utf8(topic.title), searchList_);
        item->setData(TopicRole, topic.number);
    }
    syncing_ = false;
    const int found = searchList_->count();
    tabs_->setTabText(tabs_->indexOf(searchList_), QString("Search (%1)").arg(found));
    return found;
}

void HelpViewer::find(const QString& text) {
    if (text.trimmed().isEmpty()) {
        markFound({});
        searchList_->clear();
        tabs_->setTabText(tabs_->indexOf(searchList_), "Search");
        status_->clearMessage();
        return;
    }
    const int topics = listTopicsHolding(text);
    const int places = messageShown_ ? 0 : markFound(text);
    if (places > 0) {
        QTextCursor next = browser_->document()->find(text, browser_->textCursor());
        if (next.isNull()) next = browser_->document()->find(text);  // from the top again
        browser_->setTextCursor(next);
        status_->showMessage(
            QString("%1 is in this topic in %2, and in %3 in all.")
                .arg(Quoted(text), Count(places, "place", "places"), Count(topics, "topic", "topics")));
    } else if (topics > 0) {
        tabs_->setCurrentWidget(searchList_);
        status_->showMessage(QString("%1 is not in this topic, but in %2: see Search.")
                                 .arg(Quoted(text), Count(topics, "topic", "topics")));
    } else {
        status_->showMessage(QString("%1 is not in the help.").arg(Quoted(text)));
    }
}

}  // namespace platform::qt
