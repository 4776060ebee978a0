#include "cwAppendString.h"
#include "cwLineArray.h"
#include "cwURLFormat.h"
#include "support/cwTestMain.h"

#include <QFile>
#include <QTemporaryDir>

// The line reader, the line writer and the path conversions the data file travels through.
class TestLineArray : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void endAndReset();
    void unopenableFiles();
    void appendStringWritesUtf8AndCrLf();
    void filePathToURL_data();
    void filePathToURL();
    void URLToFilePath_data();
    void URLToFilePath();
    void escapedNamesOpenTheirFile_data();
    void escapedNamesOpenTheirFile();

private:
    QString writeFile(const QString& name, const QByteArray& bytes);
    QTemporaryDir _dir;
};

namespace {
QStringList readAll(cwLineArray& reader)
{
    QStringList lines;
    while (std::optional<QStringView> line = reader.getNextLine())
        lines.append(line->toString());
    return lines;
}
}  // namespace

QString TestLineArray::writeFile(const QString& name, const QByteArray& bytes)
{
    const QString path = _dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestLineArray::lines_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("two lines") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b", ""};
    QTest::newRow("zero bytes") << QByteArray() << QStringList{""};
    QTest::newRow("comment skipped") << QByteArray("; c\r\nb") << QStringList{"b"};
    QTest::newRow("lone comment kept") << QByteArray("; only") << QStringList{"; only"};
    QTest::newRow("comments then end") << QByteArray(";1\r\n;2\r\n;3\r\n") << QStringList{""};
    QTest::newRow("LF is no line end") << QByteArray("a\nb\rc\n") << QStringList{"a\nb\rc\n"};
    QTest::newRow("blank before ;") << QByteArray(" ;x\r\n;y\r\nz") << QStringList{" ;x", "z"};
    QTest::newRow("empty lines are data") << QByteArray("\r\n\r\nx") << QStringList{"", "", "x"};
    QTest::newRow("UTF-8") << QByteArray("Caf\xc3\xa9\r\n\xe2\x82\xac 5") << QStringList{"Café", "€ 5"};
    QTest::newRow("not UTF-8 reads as Latin-1") << QByteArray("Caf\xe9\r\n\xff\x80")
                                                << QStringList{"Café", QString::fromLatin1("\xff\x80")};
}

void TestLineArray::lines()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    cwLineArray reader(::filePathToURL(writeFile("lines.txt", bytes)));
    QCOMPARE(readAll(reader), lines);
}

void TestLineArray::endAndReset()
{
    cwLineArray reader(::filePathToURL(writeFile("reset.txt", "; head\r\nx\r\ny")));
    QCOMPARE(readAll(reader), QStringList({"x", "y"}));
    QVERIFY(!reader.getNextLine());
    QVERIFY(!reader.getNextLine());
    reader.resetLineIndex();
    QCOMPARE(reader.getNextLine().value_or(u"none").toString(), "x");
    QStringList all;
    for (QStringView line : reader.lines())
        all.append(line.toString());
    QCOMPARE(all, QStringList({"; head", "x", "y"}));
}

void TestLineArray::unopenableFiles()
{
    for (const QString& url : {::filePathToURL(_dir.filePath("missing.txt")), QString("file:///a%zz"),
                               QString("not a url at all"), ::filePathToURL(_dir.path())}) {
        cwLineArray reader(url);
        QVERIFY2(!reader.getNextLine(), qPrintable(url));
    }
}

void TestLineArray::appendStringWritesUtf8AndCrLf()
{
    QByteArray data;
    appendString(data, "");
    QCOMPARE(data, QByteArray("\r\n"));
    appendString(data, "Café\tR");
    QCOMPARE(data, QByteArray("\r\nCaf\xc3\xa9\tR\r\n"));
}

void TestLineArray::filePathToURL_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("url");
    QTest::newRow("plain") << "/Users/a/My Budget.txt" << "file:///Users/a/My%20Budget.txt";
    QTest::newRow("escaped") << "/Users/a/My%20Budget.txt" << "file:///Users/a/My%20Budget.txt";
    QTest::newRow("plain with %") << "/tmp/100%.txt" << "file:///tmp/100%.txt";
    QTest::newRow("URL characters stay") << "/a/b-c_d.e~f(1)+g,h=i;j@k'l!$&*:m"
                                         << "file:///a/b-c_d.e~f(1)+g,h=i;j@k'l!$&*:m";
    QTest::newRow("beyond ASCII as UTF-8") << "/home/a/Café €.txt" << "file:///home/a/Caf%C3%A9%20%E2%82%AC.txt";
    QTest::newRow("query and fragment marks") << "/a/x#1?.txt" << "file:///a/x%231%3F.txt";
}

void TestLineArray::filePathToURL()
{
    QFETCH(QString, path);
    QFETCH(QString, url);
    QCOMPARE(::filePathToURL(path), url);
}

void TestLineArray::URLToFilePath_data()
{
    QTest::addColumn<QString>("url");
    QTest::addColumn<QString>("path");
    QTest::newRow("localhost") << "file://localhost/Users/a/My%20Budget.txt" << "/Users/a/My%20Budget.txt";
    QTest::newRow("empty host") << "file:///Users/a/x.txt" << "file:///Users/a/x.txt";
    QTest::newRow("every occurrence") << "file://localhostfile://localhost/x" << "/x";
}

void TestLineArray::URLToFilePath()
{
    QFETCH(QString, url);
    QFETCH(QString, path);
    QCOMPARE(::URLToFilePath(url), path);
}

void TestLineArray::escapedNamesOpenTheirFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("space") << "My Budget.txt";
    QTest::newRow("beyond ASCII") << "Café €.txt";
    QTest::newRow("hash and question mark") << "x#1?.txt";
}

void TestLineArray::escapedNamesOpenTheirFile()
{
    QFETCH(QString, name);
    const QString path = writeFile(name, "Ver 1");
    cwLineArray fromPlain(::filePathToURL(path));
    QCOMPARE(readAll(fromPlain), QStringList{"Ver 1"});
    // The escaped form the panels deliver names the same file.
    const QString escaped = ::filePathToURL(path).mid(7);
    cwLineArray fromEscaped(::filePathToURL(escaped));
    QCOMPARE(readAll(fromEscaped), QStringList{"Ver 1"});
}

CW_TEST_MAIN(TestLineArray)
#include "TestLineArray.moc"
