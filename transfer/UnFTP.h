#pragma once

#include "ftp/FtpClient.h"
#include "ftp/FtpTypes.h"
#include "ui_FormFTP.h"

#include <QWidget>

class QCloseEvent;

// The transfer form: never shown. It holds the program's only network connection, the FTP client
// NMFTP1, with which a click on Button1 appends the local order file to the vendor's order file, and
// turns the client's notifications into its status line and information boxes. Its two memos are the
// order form's work area.
class TFormFTP : public QWidget, public Ui::TFormFTP {
    Q_OBJECT
public:
    explicit TFormFTP(QWidget* parent = nullptr);
    ~TFormFTP() override;

    FtpClient* NMFTP1;

    // Connects and sends the order; disconnects instead when already connected.
    void Button1Click(QObject* sender);
    // Appends the local order file to the remote order file.
    void Button2Click(QObject* sender);
    void Button7Click(QObject* sender);
    // Disconnects, lets pending messages through and disposes of the form.
    void FormClose();

    // The client's notifications.
    void NMFTP1Connect();
    void NMFTP1Disconnect();
    void NMFTP1Success(TCmdType Trans_Type);
    void NMFTP1Failure(bool& Handled, TCmdType Trans_Type);
    void NMFTP1UnSupportedFunction(TCmdType Trans_Type);
    void NMFTP1TransactionStart();
    void NMFTP1TransactionStop();
    void NMFTP1PacketSent();
    void NMFTP1PacketRecvd();
    void NMFTP1ConnectionFailed();
    void NMFTP1ConnectionRequired(bool& Handled);
    void NMFTP1AuthenticationNeeded(bool& Handled);

    // Points the form at a test's own server and shortens the client's waits.
    void SetTransferEndpointForTesting(quint16 port, const FtpClient::Timeouts& timeouts);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SetStatusLine(const QString& text);

    quint16 port_;
};

extern TFormFTP* FormFTP;

// Status line texts for the kinds of operation; empty where a report leaves the line unchanged.
QString SuccessStatusText(TCmdType kind);
QString FailureStatusText(TCmdType kind);
QString UnsupportedStatusText(TCmdType kind);
