#pragma once

#include "platform/LocalTime.h"
#include "platform/RegionalFormats.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <stdexcept>

// The order record, its time stamp and the two contents of the local order file.

// The local file, relative to the current directory.
inline constexpr char OrderFileName[] = "xLomberkAcq.txt";

// The order file could not be created: "Cannot create file <name>".
class EFCreateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writing the order file, or putting it in place, failed: "Stream write error".
class EWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Short date, one blank, long time; the date alone at 00:00:00 (milliseconds do not count). Then the
// 11th character, whatever it is, becomes "-" when the text has at least 11 characters.
QString MakeOrderStamp(const platform::LocalDateTime& time, const platform::RegionalFormats& formats);
// The same for the current clock and regional settings.
QString MakeOrderStamp();

// "_SI_Word", "_NO_Word", both in that order, or "".
QString WordSuffix(bool siTicked, bool noTicked);

struct OrderRecordFields {
    QString stamp;
    QString localAddress;
    QString name;
    QString surname;
    QString n2;
    QString adr;
    QString city;
    QString country;
    QString mail;
    QString productCode;
    QString volumeSerial;
    QString hwProfileId;
};

// The ten lines " %0& ORDINE:" to " %9& ...", values verbatim.
QStringList BuildOrderRecord(const OrderRecordFields& fields);

// Content 1: each line and CR LF, then one more CR LF, in code page 1252.
QByteArray OrderFileText(const QStringList& lines);
// Content 2: the 49 lines of delivery instructions, CR LF between them and none after the last.
QByteArray InstructionsText();

// Write "xLomberkAcq.txt" in the current directory, replacing any older file only once the new
// content is completely written; a failed write leaves the older file as it was.
// Throw EFCreateError or EWriteError.
void WriteOrderFile(const QStringList& lines);
void WriteInstructionsFile();
// The same at a given path; the error names that path.
void WriteOrderFile(const QString& path, const QStringList& lines);
void WriteInstructionsFile(const QString& path);
