#include "transfer/UnFTP.h"

#include "VendorConfig.h"
#include "app/ErrorGuard.h"
#include "app/MessageBoxes.h"
#include "app/ProcessControl.h"
#include "order/OrderRecord.h"

#include <QCloseEvent>
#include <QFileInfo>

#include <array>

TFormFTP* FormFTP = nullptr;

namespace {

struct KindTexts {
    const char* operation;   // in the success and failure texts
    const char* unsupported; // in the not-supported text
};

constexpr std::array<KindTexts, 16> Kinds = {{
    {"ChangeDir", "ChangeDir"},
    {"MakeDir", "MakeDir"},
    {"Delete", "Delete"},
    {"RemoveDir", "RemoveDir"},
    {"List", "List"},
    {"Rename", "Rename"},
    {"UploadRestore", "UploadRestore"},
    {"DownloadRestore", "DownloadRestore"},
    {"Download", "Download"},
    {"Upload", "Upload"},
    {"UploadAppend", "UploadAppend"},
    {"ReInit", "Reinitialize"},
    {"Allocate", "Allocate"},
    {"NList", "NList"},
    {"DoCommand", "DoCommand"},
    {"CurrentDir", "CurrentDir"},
}};

bool Known(TCmdType kind) {
    return kind >= cmdChangeDir && kind <= cmdCurrentDir;
}

} // namespace

QString SuccessStatusText(TCmdType kind) {
    if (!Known(kind) || kind == cmdCurrentDir)
        return QString();
    return QString::fromLatin1(Kinds[kind].operation) + QStringLiteral("   success");
}

QString FailureStatusText(TCmdType kind) {
    if (!Known(kind) || kind == cmdCurrentDir)
        return QString();
    return QString::fromLatin1(Kinds[kind].operation) + QStringLiteral("   failure");
}

QString UnsupportedStatusText(TCmdType kind) {
    if (!Known(kind))
        return QString();
    return QString::fromLatin1(Kinds[kind].unsupported) + QStringLiteral(" not supported by this server");
}

TFormFTP::TFormFTP(QWidget* parent) : QWidget(parent), NMFTP1(new FtpClient(this)), port_(vendor::FtpPort) {
    setupUi(this);
    Edit1->setText(QString::fromUtf8(vendor::WebHost));
    Edit2->setText(QString::fromUtf8(vendor::FtpUser));
    Edit3->setText(QString::fromUtf8(vendor::FtpPassword));

    connect(Button1, &QPushButton::clicked, this, [this] { Guarded([this] { Button1Click(Button1); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { Guarded([this] { Button2Click(Button2); }); });
    connect(Button7, &QPushButton::clicked, this, [this] { Guarded([this] { Button7Click(Button7); }); });

    NMFTP1->OnConnect = [this] {
        NMFTP1Connect();
    };
    NMFTP1->OnDisconnect = [this] {
        NMFTP1Disconnect();
    };
    NMFTP1->OnSuccess = [this](TCmdType kind) {
        NMFTP1Success(kind);
    };
    NMFTP1->OnFailure = [this](bool& handled, TCmdType kind) {
        NMFTP1Failure(handled, kind);
    };
    NMFTP1->OnUnSupportedFunction = [this](TCmdType kind) {
        NMFTP1UnSupportedFunction(kind);
    };
    NMFTP1->OnTransactionStart = [this] {
        NMFTP1TransactionStart();
    };
    NMFTP1->OnTransactionStop = [this] {
        NMFTP1TransactionStop();
    };
    NMFTP1->OnPacketSent = [this] {
        NMFTP1PacketSent();
    };
    NMFTP1->OnPacketRecvd = [this] {
        NMFTP1PacketRecvd();
    };
    NMFTP1->OnConnectionFailed = [this] {
        NMFTP1ConnectionFailed();
    };
    NMFTP1->OnConnectionRequired = [this](bool& handled) {
        NMFTP1ConnectionRequired(handled);
    };
    NMFTP1->OnAuthenticationNeeded = [this](bool& handled) {
        NMFTP1AuthenticationNeeded(handled);
    };
}

TFormFTP::~TFormFTP() {
    if (FormFTP == this)
        FormFTP = nullptr;
}

void TFormFTP::SetTransferEndpointForTesting(quint16 port, const FtpClient::Timeouts& timeouts) {
    port_ = port;
    NMFTP1->setTimeouts(timeouts);
}

void TFormFTP::Button1Click(QObject* sender) {
    if (NMFTP1->Connected()) {
        Button7Click(sender);
        return;
    }
    NMFTP1->Host = Edit1->text();
    NMFTP1->Port = port_;
    NMFTP1->UserID = Edit2->text();
    NMFTP1->Password = Edit3->text();
    NMFTP1->Connect();
}

void TFormFTP::NMFTP1Connect() {
    NMFTP1->ChangeDir(QString());
    Button2Click(Button2);
}

void TFormFTP::Button2Click(QObject*) {
    // The local order file, in the working directory, keeps its name in the remote folder.
    const QString orderFile = QString::fromLatin1(OrderFileName);
    // A missing order file is an error like an unreadable one: returning quietly would have the
    // customer thanked for an order that never left.
    if (!QFileInfo::exists(orderFile))
        LocalFileSize(orderFile); // raises the input/output error
    NMFTP1->Mode(MODE_BYTE);
    NMFTP1->Allocate(LocalFileSize(orderFile));
    NMFTP1->UploadAppend(orderFile, Edit1->text() + QLatin1Char('/') + orderFile);
}

void TFormFTP::Button7Click(QObject*) {
    NMFTP1->Disconnect();
}

void TFormFTP::closeEvent(QCloseEvent* event) {
    // Reached through the toolkit's close: no error may leave this frame.
    Guarded([this] { FormClose(); });
    event->accept();
}

void TFormFTP::FormClose() {
    Button7Click(this);
    ProcessMessages();
    deleteLater();
}

void TFormFTP::NMFTP1Disconnect() {}

void TFormFTP::SetStatusLine(const QString& text) {
    if (!text.isEmpty())
        StatusBar1->showMessage(text);
}

void TFormFTP::NMFTP1Success(TCmdType Trans_Type) {
    SetStatusLine(SuccessStatusText(Trans_Type));
}

void TFormFTP::NMFTP1Failure(bool&, TCmdType Trans_Type) {
    SetStatusLine(FailureStatusText(Trans_Type));
}

void TFormFTP::NMFTP1UnSupportedFunction(TCmdType Trans_Type) {
    SetStatusLine(UnsupportedStatusText(Trans_Type));
}

void TFormFTP::NMFTP1TransactionStart() {
    SetStatusLine(QStringLiteral("Beginning   Data   Transfer"));
}

void TFormFTP::NMFTP1TransactionStop() {
    SetStatusLine(QStringLiteral("Data   Transfer   Complete"));
}

void TFormFTP::NMFTP1PacketSent() {
    SetStatusLine(QString::number(NMFTP1->SentBytes()) + QStringLiteral("   of   ") +
                  QString::number(NMFTP1->TotalBytes()));
}

void TFormFTP::NMFTP1PacketRecvd() {
    SetStatusLine(QString::number(NMFTP1->RecvdBytes()) + QStringLiteral("   of   ") +
                  QString::number(NMFTP1->TotalBytes()));
}

void TFormFTP::NMFTP1ConnectionFailed() {
    ShowInformationBox(QStringLiteral("connection failed"));
}

void TFormFTP::NMFTP1ConnectionRequired(bool&) {
    ShowInformationBox(QStringLiteral("connection requierd"));
}

void TFormFTP::NMFTP1AuthenticationNeeded(bool&) {
    ShowInformationBox(QStringLiteral("authentication needed"));
}
