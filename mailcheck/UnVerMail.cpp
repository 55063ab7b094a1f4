#include "mailcheck/UnVerMail.h"

#include "app/ErrorGuard.h"
#include "mailcheck/MailValidator.h"
#include "order/Text1252.h"
#include "order/URedAzo.h"

TForVerMail* ForVerMail = nullptr;
QString VerMailText;
std::int32_t VerMailCode = 0;

TForVerMail::TForVerMail(QWidget* parent) : QWidget(parent) {
    setupUi(this);
    connect(BitBVerMail, &QPushButton::clicked, this,
            [this] { Guarded([this] { BitBVerMailClick(BitBVerMail); }); });
}

void TForVerMail::BitBVerMailClick(QObject*) {
    // Only the order form's field is judged; this form's own edit plays no part.
    VerMailText = FormOr->EdMail->text();
    VerMailCode = 0;
    const QByteArray bytes = ToCp1252(VerMailText);
    ValidateMail(std::string_view(bytes.constData(), std::size_t(bytes.size())), VerMailCode);
    if (VerMailCode == 0) {
        MailValid = true;
    } else if (VerMailCode >= 1 && VerMailCode <= 10) {
        FormOr->SetLabMailText(QString::fromStdString(MailErrorText(VerMailCode)));
        MailValid = false;
    }
    // -1: the check itself failed; the earlier verdict and message stay.
}

void ResetVerifierModuleState() {
    VerMailText.clear();
    VerMailCode = 0;
}
