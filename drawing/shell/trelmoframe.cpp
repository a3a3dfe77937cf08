#include "drawing/shell/trelmoframe.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include "drawing/render/drawsettings.h"
#include "drawing/resources/icons.h"
#include "drawing/shell/commandids.h"
#include "drawing/shell/commandtable.h"
#include "drawing/shell/keystateindicator.h"
#include "drawing/shell/trelmoapp.h"
#include "drawing/shell/trelmomdiclient.h"
#include "drawing/shell/trelmowindow.h"
#include "drawing/shell/uitext.h"

namespace shell {

TTrelmoFrame::TTrelmoFrame(TTrelmoApp& app) : app_(app), client_(new TTrelmoMDIClient(app)) {
    setWindowTitle("Pellomir");
    setWindowIcon(resources::programIcon());
    setCentralWidget(client_);
    setAcceptDrops(true);
    buildMenus();
    buildToolBar();
    statusBar()->setSizeGripEnabled(true);
    statusBar()->addPermanentWidget(new KeyStateIndicator(KeyStateIndicator::CapsLock));
    statusBar()->addPermanentWidget(new KeyStateIndicator(KeyStateIndicator::NumLock));
    statusBar()->addPermanentWidget(new KeyStateIndicator(KeyStateIndicator::ScrollLock));
    connect(client_, &QMdiArea::subWindowActivated, this, [this] { updateActions(); });
    updateActions();
}

TTrelmoFrame::~TTrelmoFrame() {
    // The client's children go after the action table; their last signals must not reach it.
    disconnect(client_, nullptr, this, nullptr);
}

QAction* TTrelmoFrame::makeAction(int id, const char* text, const char* hint) {
    auto* action = new QAction(qt(text), this);
    action->setStatusTip(qt(hint));
    action->setData(id);
    connect(action, &QAction::triggered, this, [this, id] { dispatch(id); });
    actions_[id] = action;
    return action;
}

void TTrelmoFrame::buildMenus() {
    for (const MenuPopup& popup : shell::menuBar()) {
        QMenu* menu = QMainWindow::menuBar()->addMenu(qt(popup.text));
        menu->menuAction()->setStatusTip(qt(popup.hint));
        for (const MenuItem& item : popup.items) {
            QAction* action = makeAction(item.id, item.text, item.hint);
            if (item.id == cmd::Exit) {
                action->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
                recentSeparator_ = menu->insertSeparator(action);
            }
            menu->addAction(action);
            if (item.separatorAfter) menu->addSeparator();
        }
        if (popup.id == cmd::FilePopup) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { rebuildRecentEntries(menu); });
        }
        connect(menu, &QMenu::aboutToShow, this, [this] { updateActions(); });
    }
    actions_[cmd::CenterText]->setCheckable(true);
    // Ctrl+Del: the image-file command.
    actions_[cmd::ImageFile]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    addActions(QList<QAction*>{actions_[cmd::ImageFile], actions_[cmd::Exit]});
}

void TTrelmoFrame::rebuildRecentEntries(QMenu* fileMenu) {
    for (QAction* old : recentActions_) {
        fileMenu->removeAction(old);
        old->deleteLater();
    }
    recentActions_.clear();
    const auto& entries = app_.recentFiles.entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string path = entries[i];
        auto* action = new QAction(QString("&%1 %2").arg(i + 1).arg(QString::fromStdString(path)),
                                   fileMenu);
        connect(action, &QAction::triggered, this, [this, path] {
            if (app_.takeHelpRequest()) {
                app_.HelpDefaultTopic();
                return;
            }
            client_->OpenCrossword(path);
        });
        fileMenu->insertAction(recentSeparator_, action);
        recentActions_.push_back(action);
    }
    if (!entries.empty()) {
        auto* separator = new QAction(fileMenu);
        separator->setSeparator(true);
        fileMenu->insertAction(recentSeparator_, separator);
        recentActions_.push_back(separator);
    }
}

void TTrelmoFrame::buildToolBar() {
    QToolBar* bar = addToolBar("Toolbar");
    bar->setObjectName("Toolbar");
    bar->setMovable(true);
    for (const ToolbarEntry& entry : toolbarLayout()) {
        if (entry.id == 0) {
            auto* gap = new QWidget(bar);
            gap->setFixedWidth(entry.gap);
            bar->addWidget(gap);
            continue;
        }
        QAction* action = actions_.at(entry.id);
        action->setIcon(resources::toolbarIcon(entry.id));
        bar->addAction(action);
    }
}

QAction* TTrelmoFrame::action(int id) const {
    const auto it = actions_.find(id);
    return it == actions_.end() ? nullptr : it->second;
}

void TTrelmoFrame::updateActions() {
    const bool windowActive = client_->activeCrosswordWindow() != nullptr;
    for (const auto& [id, action] : actions_) {
        const MenuItem* item = findMenuItem(id);
        if (!item) continue;
        switch (item->by) {
            case Answerer::View:
                action->setEnabled(windowActive);
                break;
            case Answerer::Later:
                action->setEnabled(false);
                break;
            default:
                action->setEnabled(true);
                break;
        }
    }
    actions_[cmd::CenterText]->setChecked(render::drawSettings().centreText != 0);
}

void TTrelmoFrame::dispatch(int id) {
    if (app_.takeHelpRequest()) {
        app_.HelpDefaultTopic();
        return;
    }
    const MenuItem* item = findMenuItem(id);
    const Answerer by = item ? item->by : Answerer::Client;
    switch (by) {
        case Answerer::View:
            if (TTrelmoWindow* w = client_->activeCrosswordWindow()) w->command(id);
            break;
        case Answerer::Client:
            client_->command(id);
            break;
        case Answerer::Application:
            app_.command(id);
            break;
        case Answerer::Frame:
            if (id == cmd::Exit) close();
            break;
        case Answerer::Later:
            break;
    }
    updateActions();
}

bool TTrelmoFrame::closeAllWindows() { return client_->CloseAll(); }

void TTrelmoFrame::closeEvent(QCloseEvent* event) {
    if (!closeAllWindows()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TTrelmoFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TTrelmoFrame::dropEvent(QDropEvent* event) {
    openDroppedFiles(event->mimeData()->urls());
    event->acceptProposedAction();
}

void TTrelmoFrame::openDroppedFiles(const QList<QUrl>& urls) {
    for (const QUrl& url : urls) {
        if (url.isLocalFile()) client_->OpenCrossword(url.toLocalFile().toStdString());
    }
}

}  // namespace shell
