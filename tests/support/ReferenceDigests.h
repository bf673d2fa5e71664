#pragma once

// Outputs held to a recorded set of digests, one line "name digest" each. The
// set is written anew only when QUILLMARK_RECORD_REFERENCE=1 asks for it, on
// purpose, after a deliberate change of what is drawn.
#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

#include <map>
#include <string>

inline QString ReferenceDigest(const QByteArray& bytes) {
    return QString::fromLatin1(
        QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(24));
}

// Expects every recorded name to have today's digest and no name to be new.
inline void ExpectAsRecorded(const std::map<std::string, QString>& current, const char* path) {
    QFile file(QString::fromLocal8Bit(path));
    if (qEnvironmentVariableIntValue("QUILLMARK_RECORD_REFERENCE") == 1) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        for (const auto& [name, digest] : current) {
            file.write((QString::fromStdString(name) + ' ' + digest + '\n').toLatin1());
        }
        return;
    }
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    std::map<std::string, QString> recorded;
    while (!file.atEnd()) {
        const QList<QByteArray> fields = file.readLine().trimmed().split(' ');
        if (fields.size() == 2) {
            recorded[fields[0].toStdString()] = QString::fromLatin1(fields[1]);
        }
    }
    EXPECT_EQ(recorded.size(), current.size());
    for (const auto& [name, digest] : recorded) {
        const auto found = current.find(name);
        EXPECT_TRUE(found != current.end() && found->second == digest) << name << " differs";
    }
}
