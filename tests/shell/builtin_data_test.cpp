#include "shell/builtin_data.h"
#include "toolkit/core/error.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <string>

namespace loco {
namespace {

// Every data file built in, by its path below the resource root.
QStringList builtinFiles()
{
    QStringList files;
    for (const QString& folder : {QStringLiteral(":/diagnosis/data"), QStringLiteral(":/tutorials/data")}) {
        QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next().mid(2);
    }
    return files;
}

// A copy of the built-in files in a folder of its own, to be broken.
class DataCopy {
public:
    DataCopy()
    {
        for (const QString& file : builtinFiles()) {
            const QString copy = dir_.filePath(file);
            QDir().mkpath(QFileInfo(copy).path());
            QFile::copy(QStringLiteral(":/") + file, copy);
            QFile(copy).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    QString root() const { return dir_.path(); }
    QString path(const QString& file) const { return dir_.filePath(file); }

private:
    QTemporaryDir dir_;
};

std::string loadError(const QString& root)
{
    try {
        loco::loadBuiltinData(root);
    } catch (const loco::Error& error) {
        return error.what();
    }
    return "no error";
}

const std::string kHeadline = "The program's built-in data is broken:\n";

TEST(BuiltinData, LoadsTheShippedFiles)
{
    const BuiltinData data = loco::loadBuiltinData();
    EXPECT_FALSE(data.knowledge.startQuestion(0).empty());
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// Each file is read, and a fault in any of them stops the loading with its
// name and line.
TEST(BuiltinData, RefusesABrokenCopyOfAnyFile)
{
    const DataCopy copy;
    const QStringList files = builtinFiles();
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        QFile original(QStringLiteral(":/") + file);
        ASSERT_TRUE(original.open(QIODevice::ReadOnly));
        const QByteArray bytes = original.readAll();
        ASSERT_TRUE(writeFile(copy.path(file), "rusak\n" + bytes));
        const std::string message = loadError(copy.root());
        EXPECT_TRUE(message.starts_with(kHeadline + file.toStdString() + ":1: ")) << message;
        ASSERT_TRUE(writeFile(copy.path(file), bytes));
    }
    EXPECT_EQ(loadError(copy.root()), "no error");
}

TEST(BuiltinData, NamesAMissingFile)
{
    const DataCopy copy;
    ASSERT_TRUE(QFile::remove(copy.path(QStringLiteral("tutorials/data/tuneup/26.txt"))));
    EXPECT_EQ(
        loadError(copy.root()), kHeadline + "tutorials/data/tuneup/26.txt: cannot be read: No such file or directory");
}

} // namespace
} // namespace loco
