#include "app/MessageBoxes.h"

#include "app/ApplicationTitle.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class DialogBoxes final : public MessageBoxes {
public:
    BoxAnswer show(const BoxRequest& request) override {
        QMessageBox box;
        box.setWindowTitle(request.caption);
        box.setTextFormat(Qt::PlainText);
        // The texts carry CR LF between lines; the label wants plain line feeds.
        QString shown = request.text;
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        box.setText(shown);
        switch (request.icon) {
        case BoxIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case BoxIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case BoxIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case BoxIcon::Error:
            box.setIcon(QMessageBox::Critical);
            break;
        }
        if (request.buttons == BoxButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int answer = box.exec();
        if (request.buttons == BoxButtons::YesNo)
            return answer == QMessageBox::Yes ? BoxAnswer::Yes : BoxAnswer::No;
        return BoxAnswer::Ok;
    }
};

MessageBoxes* installed = nullptr;

} // namespace

MessageBoxes& messageBoxes() {
    static DialogBoxes dialogs;
    return installed ? *installed : dialogs;
}

void setMessageBoxes(MessageBoxes* boxes) {
    installed = boxes;
}

void ShowInformationBox(const QString& text) {
    messageBoxes().show({QStringLiteral("Information"), text, BoxIcon::Information, BoxButtons::Ok});
}

void ShowPlainBox(const QString& text) {
    messageBoxes().show({ApplicationTitle(), text, BoxIcon::None, BoxButtons::Ok});
}

void ShowErrorBox(const QString& text) {
    messageBoxes().show({ApplicationTitle(), text, BoxIcon::Error, BoxButtons::Ok});
}

BoxAnswer AskYesNo(const QString& caption, const QString& text) {
    return messageBoxes().show({caption, text, BoxIcon::Question, BoxButtons::YesNo});
}
