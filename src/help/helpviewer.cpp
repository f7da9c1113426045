#include "help/helpviewer.h"

#include "help/documentaccessible.h"
#include "help/helpfiles.h"
#include "ui/centring.h"
#include "ui/formactivate.h"
#include "ui/translations.h"

#include <QCoreApplication>
#include <QHash>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QTranslator>
#include <QVBoxLayout>

#include <utility>

namespace {

const QUrl kStartPage(QStringLiteral("qthelp://hu.zorvexa.help/doc/index.html"));

// Pages, pictures and the stylesheet come out of the help collection.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine *engine, QWidget *parent) : QTextBrowser(parent), engine_(engine) {}

    // Tab leaves the page at once, so the contents and the search are one
    // key away in both directions; Ctrl+Tab and Ctrl+Shift+Tab walk its links.
    // QTextBrowser's own walk through the links is what Tab must skip.
    bool focusNextPrevChild(bool next) override
    {
        return QTextEdit::focusNextPrevChild(next);  // NOLINT(bugprone-parent-virtual-call)
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        const bool back = event->key() == Qt::Key_Backtab;
        if ((event->key() == Qt::Key_Tab || back) && (event->modifiers() & Qt::ControlModifier))
            QTextBrowser::focusNextPrevChild(!back && !(event->modifiers() & Qt::ShiftModifier));
        else
            QTextBrowser::keyPressEvent(event);
    }

    QVariant loadResource(int type, const QUrl &url) override
    {
        if (url.scheme() == QLatin1String("qthelp"))
            return engine_->fileData(url);
        return QTextBrowser::loadResource(type, url);
    }

private:
    QHelpEngine *engine_;
};

// The help widgets' own texts: Qt ships no Hungarian catalogue for them.
class SearchTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }

    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        const QByteArray where(context);
        if (!where.startsWith("QHelp") && where != "QResultWidget")
            return QString();
        static const QHash<QByteArray, QString> texts{
            {"Your search did not match any documents.", QStringLiteral("A keresés nem hozott eredményt.")},
            {"(The reason for this might be that the documentation is still being indexed.)",
             QStringLiteral("(Lehet, hogy a súgó feldolgozása még tart.)")},
            {"The search results may not be complete since the documentation is still being indexed.",
             QStringLiteral("A találatok hiányosak lehetnek, mert a súgó feldolgozása még tart.")},
            {"Note:", QStringLiteral("Megjegyzés:")},
            {"Search Results", QStringLiteral("Találatok")},
            {"0 - 0 of 0 Hits", QStringLiteral("Nincs találat")},
            {"%1 - %2 of %n Hits", QStringLiteral("%1–%2. találat, összesen %n")},
            {"Search for:", QStringLiteral("Keresett szavak:")},
            {"Search", QStringLiteral("Keresés")},
            {"Previous search", QStringLiteral("Előző keresés")},
            {"Next search", QStringLiteral("Következő keresés")},
        };
        return texts.value(QByteArray(sourceText));  // Qt puts the count in for %n
    }
};

void installSearchTexts()
{
    static SearchTexts *texts = [] {
        auto *translator = new SearchTexts;
        translator->setParent(QCoreApplication::instance());
        QCoreApplication::installTranslator(translator);
        return translator;
    }();
    (void)texts;
}

}  // namespace

HelpViewer::HelpViewer()
{
    loadTranslation(QStringLiteral("qt_help_hu"));
    installSearchTexts();
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Zorvexa súgó"));
    // The calculator does not wait for the help: a look at it keeps the
    // pending operation, as a look at another program does.
    activation::setOutside(this);
    problem_ = load();
    if (problem_ != helpfiles::Problem::None) {
        engine_.reset();
        place_.reset();
        return;
    }
    build();
}

helpfiles::Problem HelpViewer::load()
{
    const QString folder = helpfiles::findHelpFolder();
    if (folder.isEmpty())
        return helpfiles::Problem::Missing;
    const QString collection = helpfiles::prepareCollection(folder, place_);
    if (collection.isEmpty())
        return helpfiles::Problem::NoWritablePlace;
    engine_ = std::make_unique<QHelpEngine>(collection);
    engine_->setReadOnly(false);
    // A damaged file may still register: its start page is what tells.
    if (!engine_->setupData() || engine_->registeredDocumentations().isEmpty() ||
        engine_->fileData(kStartPage).isEmpty())
        return helpfiles::Problem::Damaged;
    return helpfiles::Problem::None;
}

QString HelpViewer::workFolder() const { return place_ ? place_->folder.path() : QString(); }

HelpViewer::~HelpViewer() = default;

void HelpViewer::build()
{
    // Smaller on a small or scaled screen, so the frame fits it with room to spare.
    resize(QSize(760, 520).boundedTo(screen()->availableGeometry().size() * 0.9));
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
    auto *splitter = new QSplitter(this);
    setCentralWidget(splitter);

    tabs_ = new QTabWidget(splitter);
    page_ = new HelpBrowser(engine_.get(), splitter);
    exposeAsDocument(page_);
    page_->setAccessibleName(QStringLiteral("Súgóoldal"));
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({220, 540});

    QHelpContentWidget *contents = engine_->contentWidget();
    contents->setAccessibleName(QStringLiteral("Tartalomjegyzék"));
    tabs_->addTab(contents, QStringLiteral("Tartalom"));
    connect(contents, &QHelpContentWidget::linkActivated, page_, [this](const QUrl &url) { page_->setSource(url); });
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandAll(); });

    QHelpSearchEngine *searchEngine = engine_->searchEngine();
    auto *searchPage = new QWidget;
    auto *searchLayout = new QVBoxLayout(searchPage);
    searchLayout->addWidget(searchEngine->queryWidget());
    searchLayout->addWidget(searchEngine->resultWidget());
    tabs_->addTab(searchPage, QStringLiteral("Keresés"));
    connect(searchEngine->queryWidget(), &QHelpSearchQueryWidget::search, this,
            [this, searchEngine] { search(searchEngine->queryWidget()->searchInput()); });
    connect(searchEngine->resultWidget(), &QHelpSearchResultWidget::requestShowLink, page_,
            [this](const QUrl &url) { page_->setSource(url); });
    connect(searchEngine, &QHelpSearchEngine::indexingFinished, this, [this] {
        indexed_ = true;
        const QString words = std::exchange(pendingSearch_, QString());
        if (!words.isEmpty())
            search(words);
    });
    searchEngine->reindexDocumentation();

    // Named for assistive technology; Tab goes left to right: the tabs, the
    // contents or the search, then the page.
    tabs_->setAccessibleName(QStringLiteral("Tartalom és keresés"));
    // Qt's search keys show only pictures: named by their tips, the words'
    // clear key by what it does, and the four arrows of the result pages
    // (first, previous, next, last), which Qt makes in that order.
    for (QToolButton *key : searchEngine->queryWidget()->findChildren<QToolButton *>())
        key->setAccessibleName(key->toolTip());
    if (auto *words = searchEngine->queryWidget()->findChild<QLineEdit *>())
        for (QToolButton *clear : words->findChildren<QToolButton *>())
            clear->setAccessibleName(QStringLiteral("Keresett szavak törlése"));
    const QStringList pages{QStringLiteral("Első találati oldal"), QStringLiteral("Előző találati oldal"),
                            QStringLiteral("Következő találati oldal"), QStringLiteral("Utolsó találati oldal")};
    const QList<QToolButton *> arrows = searchEngine->resultWidget()->findChildren<QToolButton *>();
    for (int i = 0; i < arrows.size(); ++i)
        arrows[i]->setAccessibleName(pages.value(i));
    const QList<QWidget *> results{searchEngine->resultWidget(),
                                   searchEngine->resultWidget()->findChild<QTextBrowser *>()};
    for (QWidget *w : results)
        if (w)
            w->setAccessibleName(QStringLiteral("Találatok"));
    QWidget *previous = tabs_->tabBar();
    QList<QWidget *> chain{contents};
    if (auto *words = searchEngine->queryWidget()->findChild<QLineEdit *>()) {
        words->setAccessibleName(QStringLiteral("Keresett szavak"));
        chain << words;
    }
    for (QWidget *w : searchPage->findChildren<QWidget *>())
        if (w->focusPolicy() & Qt::TabFocus && !chain.contains(w))
            chain << w;
    chain << page_;
    for (QWidget *next : std::as_const(chain)) {
        setTabOrder(previous, next);
        previous = next;
    }

    page_->setSource(kStartPage);
}

void HelpViewer::search(const QString &words)
{
    if (!isReady())
        return;
    QHelpSearchEngine *searchEngine = engine_->searchEngine();
    if (!indexed_) {
        pendingSearch_ = words;
        return;
    }
    searchEngine->queryWidget()->setSearchInput(words);
    searchEngine->search(words);
}

void HelpViewer::open(int tab)
{
    tabs_->setCurrentIndex(tab);
    if (!isVisible() && !placed_) {
        placed_ = true;
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
}

void HelpViewer::showContents()
{
    if (isReady())
        open(0);
}

void HelpViewer::showSearch()
{
    if (!isReady())
        return;
    open(1);
    // Straight to the words to look for.
    if (auto *words = engine_->searchEngine()->queryWidget()->findChild<QLineEdit *>())
        words->setFocus();
}
