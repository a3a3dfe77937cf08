#include "platform/qt/qtmessages.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "platform/cp1252.h"

namespace platform {

namespace {

QString fromCp1252(std::string_view bytes) {
    return QString::fromStdString(cp1252ToUtf8(bytes));
}

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Stop:
            return QMessageBox::Critical;
        case Icon::Exclamation:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonRow {
    QMessageBox::StandardButton button;
    Answer answer;
};

std::vector<ButtonRow> buttonRows(Buttons buttons) {
    switch (buttons) {
        case Buttons::Ok:
            return {{QMessageBox::Ok, Answer::Ok}};
        case Buttons::OkCancel:
            return {{QMessageBox::Ok, Answer::Ok}, {QMessageBox::Cancel, Answer::Cancel}};
        case Buttons::YesNo:
            return {{QMessageBox::Yes, Answer::Yes}, {QMessageBox::No, Answer::No}};
        case Buttons::YesNoCancel:
            return {{QMessageBox::Yes, Answer::Yes},
                    {QMessageBox::No, Answer::No},
                    {QMessageBox::Cancel, Answer::Cancel}};
        case Buttons::RetryCancel:
            return {{QMessageBox::Retry, Answer::Retry}, {QMessageBox::Cancel, Answer::Cancel}};
        case Buttons::AbortRetryIgnore:
            return {{QMessageBox::Abort, Answer::Abort},
                    {QMessageBox::Retry, Answer::Retry},
                    {QMessageBox::Ignore, Answer::Ignore}};
    }
    return {{QMessageBox::Ok, Answer::Ok}};
}

// What closing the box with Esc or the title bar means.
Answer escapeAnswer(Buttons buttons) {
    switch (buttons) {
        case Buttons::OkCancel:
        case Buttons::YesNoCancel:
        case Buttons::RetryCancel:
            return Answer::Cancel;
        case Buttons::YesNo:
            return Answer::No;
        case Buttons::AbortRetryIgnore:
            return Answer::Abort;
        case Buttons::Ok:
            break;
    }
    return Answer::Ok;
}

}  // namespace

Answer QtMessages::show(std::string_view text, std::string_view caption, Icon icon,
                        Buttons buttons) {
    QMessageBox box(qtIcon(icon), fromCp1252(caption), fromCp1252(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    const auto rows = buttonRows(buttons);
    QMessageBox::StandardButtons all;
    for (const auto& row : rows) all |= row.button;
    box.setStandardButtons(all);
    box.setDefaultButton(rows.front().button);
    box.exec();
    const auto* clicked = box.clickedButton();
    for (const auto& row : rows) {
        if (clicked && box.button(row.button) == clicked) return row.answer;
    }
    return escapeAnswer(buttons);
}

}  // namespace platform
