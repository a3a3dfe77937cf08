#include "setup/wizard/pages/tfrmbackground.h"

#include <QGuiApplication>
#include <QScreen>

#include "setup/wizard/core/languages.h"
#include "setup/wizard/core/texts.h"
#include "setup/wizard/pages/qtext.h"

namespace wizard::pages {

TfrmBackground::TfrmBackground(QWidget* parent) : QWidget(parent) {
    setObjectName("TfrmBackground");
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setStyleSheet("TfrmBackground, #panTitle { background-color: navy; }");
    setAttribute(Qt::WA_StyledBackground);
    panTitle = new QWidget(this);
    panTitle->setObjectName("panTitle");
    panTitle->setAttribute(Qt::WA_StyledBackground);
    panTitle->setFixedHeight(121);
    lbTitle = new QLabel(q(uiTexts().backdropTitle), panTitle);
    lbTitle->setObjectName("lbTitle");
    lbTitle->setAlignment(Qt::AlignCenter);
    lbTitle->setStyleSheet("color: white;");
    QFont font("Times New Roman");
    font.setBold(true);
    if (knownLanguage(UiLanguage) == German) {
        font.setPointSize(26);
    } else {
        font.setPixelSize(37);
    }
    lbTitle->setFont(font);
}

void TfrmBackground::showEvent(QShowEvent* event) {
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    panTitle->setGeometry(0, 0, width(), 121);
    lbTitle->setGeometry(0, 0, width(), 121);
    QWidget::showEvent(event);
}

void TfrmBackground::closeEvent(QCloseEvent* event) {
    emit closed();
    QWidget::closeEvent(event);
}

}  // namespace wizard::pages
