#include "order/URedAzo.h"

#include "VendorConfig.h"
#include "app/ErrorGuard.h"
#include "app/ProcessControl.h"
#include "order/Catalogue.h"
#include "order/Challenge.h"
#include "order/EntryFilter.h"
#include "order/MachineIdentification.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QTimer>

TFormOr* FormOr = nullptr;

bool MailValid = false;
bool MailHasUpper = false;
bool WordAnswerMissing = false;
bool ChallengePassed = false;
std::int32_t ChallengeIndex = 0;
bool OrderTransferred = false;

namespace {

using Handler = void (TFormOr::*)(QObject*);

constexpr std::array<Handler, Products.size()> ProductHandlers = {
    &TFormOr::RadioBKestolaClick, &TFormOr::RadioBPlumattoClick, &TFormOr::RadioBVentaroClick,
    &TFormOr::RadioBLomberkClick, &TFormOr::RadioBTorvItaClick,  &TFormOr::RadioBTorvIngClick,
    &TFormOr::RadioBTorvFraClick, &TFormOr::RadioBTorvEspClick,  &TFormOr::RadioBDruvellaClick,
    &TFormOr::RadioBTiborneClick,
};

const QColor HighlightRed(255, 0, 0);

} // namespace

TFormOr::TFormOr(QWidget* parent) : QWidget(parent) {
    setupUi(this);
    move(246, 57);
    // The installed stand-ins for the old sans-serif faces run about five per cent wider; narrowing them
    // keeps every caption inside its designed place.
    QFont narrower = font();
    narrower.setStretch(95);
    setFont(narrower);
    // Labels size themselves to their caption, so a caption is never cut short.
    for (QLabel* label : findChildren<QLabel*>()) {
        if (!label->text().isEmpty() && label->sizeHint().width() > label->width())
            label->resize(label->sizeHint().width(), label->height());
    }
    Label11->setText(QStringLiteral("QRB SOFTWARE -  ") + QString::fromUtf8(vendor::WebHost) +
                     QStringLiteral("  -  ") + QString::fromUtf8(vendor::ContactMail));

    // What a field holds goes into the order record as it stands, so every field keeps to what the
    // record can carry.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->setValidator(new EntryFilter(edit));

    // Every entry from the event loop runs its handler through the guard: an error shows the error box.
    const auto bindChange = [this](QLineEdit* edit, Handler handler) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, edit, handler] { Guarded([&] { (this->*handler)(edit); }); });
    };
    bindChange(EdN1, &TFormOr::EdN1Change);
    bindChange(EdCgn1, &TFormOr::EdCgn1Change);
    bindChange(EdMail, &TFormOr::EdMailChange);
    bindChange(EdMail2, &TFormOr::EdMail2Change);
    bindChange(EdProdQRB, &TFormOr::EdProdQRBChange);
    bindChange(EdRis, &TFormOr::EdRisChange);

    const auto bindToggle = [this](QAbstractButton* button, Handler handler, bool onlyWhenTicked) {
        connect(button, &QAbstractButton::toggled, this,
                [this, button, handler, onlyWhenTicked](bool ticked) {
                    if (ticked || !onlyWhenTicked)
                        Guarded([&] { (this->*handler)(button); });
                });
    };
    // A product's handler runs only when its button becomes selected.
    for (int row = 0; row < int(Products.size()); ++row)
        bindToggle(ProductButton(row), ProductHandlers[std::size_t(row)], true);
    // The Tab key reaches the product list only through its selected button, so before the first choice
    // it passes the list by; the arrow keys then move the choice within the list.
    for (int row = 0; row < int(Products.size()); ++row) {
        QRadioButton* button = ProductButton(row);
        button->setFocusPolicy(Qt::ClickFocus);
        connect(button, &QAbstractButton::toggled, this, [button](bool selected) {
            button->setFocusPolicy(selected ? Qt::StrongFocus : Qt::ClickFocus);
        });
    }
    bindToggle(RadioBsi, &TFormOr::RadioBsiClick, false);
    bindToggle(RadioBno, &TFormOr::RadioBnoClick, false);
    bindToggle(CheckBoxPriv, &TFormOr::CheckBoxPrivClick, false);

    connect(Button1, &QPushButton::clicked, this, [this] {
        Guarded([this] { Button1Click(Button1); });
        // A close asked for while the order was on its way is honoured now that the sequence has ended.
        if (closeRequestedWhileSending_) {
            closeRequestedWhileSending_ = false;
            close();
        }
    });
    // BitBCatalogo stays unbound: it lies under EdN1 and pressing it does nothing.
}

QRadioButton* TFormOr::ProductButton(int row) const {
    return findChild<QRadioButton*>(QLatin1String(Products.at(std::size_t(row)).buttonName));
}

QLabel* TFormOr::PictureBox(int picture) const {
    return findChild<QLabel*>(QStringLiteral("Image%1").arg(picture), Qt::FindDirectChildrenOnly);
}

// ---- Highlighting -----------------------------------------------------------------------------------

void PaintRed(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, HighlightRed);
    label->setPalette(palette);
}

void Restore(QLabel* label) {
    // Back to the window's own colour; the caption keeps its font colour.
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, label->window()->palette().color(QPalette::Window));
    label->setPalette(palette);
}

bool IsRed(const QLabel* label) {
    return label->autoFillBackground() && label->palette().color(QPalette::Window) == HighlightRed;
}

void TFormOr::SetLabMailText(const QString& text) {
    LabMail->setText(text);
    // The label sizes itself to its message, as the one line under the address field.
    LabMail->resize(LabMail->sizeHint().width(), LabMail->height());
    LabMail->setAccessibleName(text);
    if (!text.trimmed().isEmpty()) {
        QAccessibleEvent alert(LabMail, QAccessible::Alert);
        QAccessible::updateAccessibility(&alert);
    }
}

// ---- Window -----------------------------------------------------------------------------------------

void TFormOr::FormCreate(QObject*) {
    EdN1->setText(QString());
    EdN2->setText(QString());
    EdAdr->setText(QString());
    EdMail->setText(QString());
    EdMail2->setText(QString());
    CheckBoxPriv->setChecked(false);
    MailValid = false;
    Button1->setEnabled(true);
    for (int picture = 2; picture <= 9; ++picture)
        PictureBox(picture)->hide();
}

void TFormOr::FormActivate(QObject*) {
    // The outer size comes from the frame bevel; the window manager's frame is part of it.
    const QSize frame = frameGeometry().size() - size();
    resize(Bevel4->width() + 35 - frame.width(), Bevel4->height() + 55 - frame.height());
    ProcessMessages();
    SetLabMailText(QString());
    EdN1->setFocus();
}

void TFormOr::RunFormActivateOnce() {
    if (activated_)
        return;
    activated_ = true;
    Guarded([this] { FormActivate(this); });
}

bool TFormOr::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && !activated_) {
        const bool handled = QWidget::event(event);
        RunFormActivateOnce();
        return handled;
    }
    return QWidget::event(event);
}

void TFormOr::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!activated_) {
        // Without a window manager nothing may activate the window; take the focus ourselves.
        QTimer::singleShot(0, this, [this] {
            if (activated_ || !isVisible())
                return;
            activateWindow();
            RunFormActivateOnce();
        });
    }
}

void TFormOr::closeEvent(QCloseEvent* event) {
    bool canClose = true;
    Guarded([&] { canClose = FormCloseQuery(this); });
    if (canClose)
        event->accept();
    else
        event->ignore();
}

// ---- Entry fields -----------------------------------------------------------------------------------

void TFormOr::EdN1Change(QObject*) {
    if (!EdN1->text().isEmpty() && !EdCgn1->text().isEmpty()) {
        Restore(Label6);
        Restore(LabEdN1);
    }
}

void TFormOr::EdCgn1Change(QObject* sender) {
    EdN1Change(sender);
}

void TFormOr::EdMailChange(QObject*) {
    Restore(Label6);
    Restore(LabMail2);
    SetLabMailText(QString());
}

void TFormOr::EdMail2Change(QObject*) {
    Restore(LabMail3);
}

void TFormOr::EdProdQRBChange(QObject*) {
    Restore(Label6);
}

// ---- Products and the Word question -----------------------------------------------------------------

void TFormOr::ChooseProduct(int row) {
    const Product& product = Products.at(std::size_t(row));
    EdProdQRB->setText(QString::fromLatin1(product.code));
    Restore(Label6);
    Restore(Label1);
    // Withdraws a code picture already shown.
    CheckBoxPriv->setChecked(false);
    LabelWord->setVisible(product.asksWord);
    RadioBsi->setVisible(product.asksWord);
    RadioBno->setVisible(product.asksWord);
    Bevel5->setVisible(product.asksWord);
}

void TFormOr::RadioBKestolaClick(QObject*) {
    ChooseProduct(0);
}
void TFormOr::RadioBPlumattoClick(QObject*) {
    ChooseProduct(1);
}
void TFormOr::RadioBVentaroClick(QObject*) {
    ChooseProduct(2);
}
void TFormOr::RadioBLomberkClick(QObject*) {
    ChooseProduct(3);
}
void TFormOr::RadioBTorvItaClick(QObject*) {
    ChooseProduct(4);
}
void TFormOr::RadioBTorvIngClick(QObject*) {
    ChooseProduct(5);
}
void TFormOr::RadioBTorvFraClick(QObject*) {
    ChooseProduct(6);
}
void TFormOr::RadioBTorvEspClick(QObject*) {
    ChooseProduct(7);
}
void TFormOr::RadioBDruvellaClick(QObject*) {
    ChooseProduct(8);
}
void TFormOr::RadioBTiborneClick(QObject*) {
    ChooseProduct(9);
}

void TFormOr::AnswerWordQuestion(QCheckBox* answer) {
    // The two answers are a yes/no choice that may also stay unanswered.
    QCheckBox* other = answer == RadioBsi ? RadioBno : RadioBsi;
    if (answer->isChecked())
        other->setChecked(false);
    ProcessMessages();
    Restore(LabelWord);
}

void TFormOr::RadioBsiClick(QObject*) {
    AnswerWordQuestion(RadioBsi);
}
void TFormOr::RadioBnoClick(QObject*) {
    AnswerWordQuestion(RadioBno);
}

// ---- E-mail case check ------------------------------------------------------------------------------

void CheckMailCase() {
    const QString text = FormOr->EdMail->text();
    if (text.isEmpty())
        return;
    MailValid = false;
    MailHasUpper = false;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool sign = u == u'@' || u == u'.' || u == u'-' || u == u'_';
        const bool digit = u >= u'0' && u <= u'9';
        const bool lowerLetter = u >= u'a' && u <= u'z';
        if (!sign && !digit && !lowerLetter) {
            FormOr->SetLabMailText(QStringLiteral("Use lowercase!"));
            MailHasUpper = true;
            PaintRed(FormOr->LabMail2);
            PaintRed(FormOr->LabMail3);
        }
        if (!MailValid && u == u'@')
            MailValid = true;
    }
}

// ---- Module state -----------------------------------------------------------------------------------

void ResetOrderModuleState() {
    MailValid = false;
    MailHasUpper = false;
    WordAnswerMissing = false;
    ChallengePassed = false;
    ChallengeIndex = 0;
    OrderTransferred = false;
    RandSeed = 0;
    ResetMachineIdentification();
}
