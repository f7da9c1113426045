#include "shell/helpviewer.h"

#include "shared/centring.h"
#include "shell/helpfiles.h"
#include "shell/resources.h"

#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <utility>

namespace {

const QUrl kStartPage(QStringLiteral("qthelp://hu.zorvexa.help/doc/index.html"));

// Pages, pictures and the stylesheet come out of the help collection.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine *engine, QWidget *parent) : QTextBrowser(parent), engine_(engine) {}

    QVariant loadResource(int type, const QUrl &url) override
    {
        if (url.scheme() == QLatin1String("qthelp"))
            return engine_->fileData(url);
        return QTextBrowser::loadResource(type, url);
    }

private:
    QHelpEngine *engine_;
};

}  // namespace

HelpViewer::HelpViewer()
{
    loadTranslation(QStringLiteral("qt_help_hu"));
    setObjectName(QStringLiteral("help"));
    setWindowTitle(QStringLiteral("Zorvexa súgó"));
    const QString folder = helpfiles::findHelpFolder();
    const QString collection = folder.isEmpty() ? QString() : helpfiles::prepareCollection(folder);
    if (collection.isEmpty())
        return;
    engine_ = std::make_unique<QHelpEngine>(collection);
    engine_->setReadOnly(false);
    if (!engine_->setupData() || engine_->registeredDocumentations().isEmpty())
        return;
    build();
    ready_ = true;
}

HelpViewer::~HelpViewer() = default;

void HelpViewer::build()
{
    resize(760, 520);
    auto *splitter = new QSplitter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    tabs_ = new QTabWidget(splitter);
    page_ = new HelpBrowser(engine_.get(), splitter);
    page_->setAccessibleName(QStringLiteral("Súgóoldal"));
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({220, 540});

    QHelpContentWidget *contents = engine_->contentWidget();
    contents->setAccessibleName(QStringLiteral("Tartalomjegyzék"));
    tabs_->addTab(contents, QStringLiteral("Tartalom"));
    connect(contents, &QHelpContentWidget::linkActivated, page_, [this](const QUrl &url) { page_->setSource(url); });
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, contents, [contents] { contents->expandAll(); });

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

    page_->setSource(kStartPage);
}

void HelpViewer::search(const QString &words)
{
    if (!ready_)
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
    if (ready_)
        open(0);
}

void HelpViewer::showSearch()
{
    if (!ready_)
        return;
    open(1);
    // Straight to the words to look for.
    if (auto *words = engine_->searchEngine()->queryWidget()->findChild<QLineEdit *>())
        words->setFocus();
}
