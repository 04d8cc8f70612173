#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace wed::test {

// A fresh folder holding one weapon.cfg with the given bytes; removed with the object.
class ItemFileFolder {
  public:
    explicit ItemFileFolder(const QByteArray& bytes) {
        EXPECT_TRUE(dir_.isValid());
        write(bytes);
    }

    QString path() const { return dir_.filePath(QStringLiteral("weapon.cfg")); }
    QString folder() const { return dir_.path(); }

    void write(const QByteArray& bytes) const {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    QByteArray read() const {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return QByteArray("<unreadable>");
        return file.readAll();
    }

    // Every entry of the folder: a save must leave no temporary file behind.
    QStringList entries() const {
        return QDir(dir_.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

  private:
    QTemporaryDir dir_;
};

} // namespace wed::test
