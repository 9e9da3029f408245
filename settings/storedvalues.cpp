#include "settings/storedvalues.h"

#include "platform/regini.h"

QString ReadStored(const TRegIniFile& reg, const StoredText& value, const QString& fallback) {
    return reg.ReadString(value.section, value.name, fallback);
}

QString ReadStored(const TRegIniFile& reg, const StoredText& value) {
    return ReadStored(reg, value, QString::fromUtf8(value.defaultText));
}

bool ReadStored(const TRegIniFile& reg, const StoredBool& value) {
    return reg.ReadBool(value.section, value.name, value.defaultValue);
}

int ReadStored(const TRegIniFile& reg, const StoredInt& value) {
    return reg.ReadInteger(value.section, value.name, value.defaultValue);
}

void WriteStored(TRegIniFile& reg, const StoredText& value, const QString& text) {
    reg.WriteString(value.section, value.name, text);
}

void WriteStored(TRegIniFile& reg, const StoredBool& value, bool on) {
    reg.WriteBool(value.section, value.name, on);
}

void WriteStored(TRegIniFile& reg, const StoredInt& value, int number) {
    reg.WriteInteger(value.section, value.name, number);
}

QString stored::HistoryItem(int n) { return QString("Items[%1]").arg(n); }
