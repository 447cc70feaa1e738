#include "platform/Browser.h"

#include "EnvironmentOverride.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <string>

namespace {

#ifdef __APPLE__
const QString OpenerName = QStringLiteral("open");
#else
const QString OpenerName = QStringLiteral("xdg-open");
#endif

// Stands in for the system's opener: each run leaves the number of its arguments and its
// first argument, byte for byte, in files next to itself. The count is moved into place
// last, so a visible count means a complete record.
const QByteArray RecordingOpener = R"(#!/bin/sh
d=$(dirname "$0")
printf '%s' "$1" > "$d/rec.$$.arg"
printf '%s' "$#" > "$d/rec.$$.tmp"
mv "$d/rec.$$.tmp" "$d/rec.$$.argc"
)";

struct Record {
    QByteArray argumentCount;
    QByteArray firstArgument;
};

void WriteOpener(const QString& directory, const QByteArray& script, bool executable = true) {
    QFile file(QDir(directory).filePath(OpenerName));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(script), script.size());
    file.close();
    QFileDevice::Permissions permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    if (executable)
        permissions |= QFileDevice::ExeOwner;
    QVERIFY(file.setPermissions(permissions));
}

QStringList RecordFiles(const QString& directory) {
    return QDir(directory).entryList({QStringLiteral("rec.*.argc")}, QDir::Files, QDir::Name);
}

// Waits, at most ten seconds, until the opener has run `expected` times.
QList<Record> WaitForRecords(const QString& directory, int expected) {
    QElapsedTimer clock;
    clock.start();
    while (RecordFiles(directory).size() < expected && clock.elapsed() < 10000)
        QTest::qWait(20);
    QList<Record> records;
    for (const QString& countFile : RecordFiles(directory)) {
        QFile count(QDir(directory).filePath(countFile));
        QFile argument(QDir(directory).filePath(countFile.chopped(4) + QStringLiteral("arg")));
        if (!count.open(QIODevice::ReadOnly) || !argument.open(QIODevice::ReadOnly))
            continue;
        records.append(Record{count.readAll(), argument.readAll()});
    }
    return records;
}

QByteArray PathWithFirst(const QString& directory) {
    return QFile::encodeName(directory) + ':' + qgetenv("PATH");
}

} // namespace

class TestBrowser : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
#ifdef _WIN32
        QSKIP("The shell opens addresses here; there is no opener program to stand in for.");
#endif
    }

    void passesTheAddressAsOneUnchangedArgument_data() {
        QTest::addColumn<QByteArray>("address");
        // {dir} stands for the opener's folder, where injected commands would leave traces.
        QTest::newRow("plain") << QByteArray("http://www.qorvane.example/");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("blanks") << QByteArray("http://h.example/p?taf1=Ann  Lee &taf2= x");
        QTest::newRow("query characters") << QByteArray("http://h.example/a?b=c&d=e#f?g=&&==##");
        QTest::newRow("quotes") << QByteArray(R"(http://h.example/?n=O'Brien "JL" '' "")");
        QTest::newRow("command substitution")
            << QByteArray("http://h.example/?m=$(touch {dir}/pwned)&n=${HOME}$HOME");
        QTest::newRow("backquotes") << QByteArray("http://h.example/?m=`touch {dir}/pwned`");
        QTest::newRow("shell operators")
            << QByteArray("http://h.example/?a=1;touch {dir}/pwned|touch {dir}/pwned>x<y&&z");
        QTest::newRow("backslashes and percent") << QByteArray(R"(http://h.example/?a=\n\\%s%20%)");
        QTest::newRow("non-ASCII letters") << QByteArray("http://h.example/?taf1=Zoë Ünal&x=日本");
        QTest::newRow("CR LF") << QByteArray("http://h.example/?taf3=Your Message\r\n&taf4=B");
        QTest::newRow("trailing line break") << QByteArray("http://h.example/\n");
        QTest::newRow("leading dash") << QByteArray("--help");
        QTest::newRow("glob characters") << QByteArray("http://h.example/*?[a-z]");
        QTest::newRow("tab") << QByteArray("a\tb");
        QTest::newRow("everything at once")
            << QByteArray("http://www.qorvane.example/zelk-refer-a-friend.php?taf1=Zoë Ünal&"
                          "taf2=z@x.example&taf3=Your Message\r\n&taf4=O'Brien \"JL\"&"
                          "taf5=`touch {dir}/pwned`$(touch {dir}/pwned)&taf6=#top");
    }

    void passesTheAddressAsOneUnchangedArgument() {
        QFETCH(QByteArray, address);
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        WriteOpener(directory.path(), RecordingOpener);
        const EnvironmentOverride path("PATH", PathWithFirst(directory.path()));
        address.replace("{dir}", QFile::encodeName(directory.path()));

        lunetra::platform::OpenInBrowser(address.toStdString());

        const QList<Record> records = WaitForRecords(directory.path(), 1);
        QVERIFY2(!QFile::exists(directory.filePath(QStringLiteral("pwned"))),
                 "a command inside the address was run");
        QCOMPARE(records.size(), 1);
        QCOMPARE(records.front().argumentCount, QByteArray("1"));
        QCOMPARE(records.front().firstArgument, address);
    }

    void opensAgainOnEveryCall() {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        WriteOpener(directory.path(), RecordingOpener);
        const EnvironmentOverride path("PATH", PathWithFirst(directory.path()));
        const std::string address = "http://www.lunetra.example/download-lunetra.html";

        lunetra::platform::OpenInBrowser(address);
        lunetra::platform::OpenInBrowser(address);

        const QList<Record> records = WaitForRecords(directory.path(), 2);
        QCOMPARE(records.size(), 2);
        for (const Record& record : records)
            QCOMPARE(record.firstArgument, QByteArray::fromStdString(address));
    }

    void doesNotWaitForTheBrowser() {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        const QByteArray slowOpener = QByteArray("#!/bin/sh\nsleep 3\n") +
                                      RecordingOpener.mid(RecordingOpener.indexOf('\n') + 1);
        WriteOpener(directory.path(), slowOpener);
        const EnvironmentOverride path("PATH", PathWithFirst(directory.path()));

        QElapsedTimer clock;
        clock.start();
        lunetra::platform::OpenInBrowser("http://www.lunetra.example/");
        QVERIFY2(clock.elapsed() < 1500, "the call waited for the opener");

        QCOMPARE(WaitForRecords(directory.path(), 1).size(), 1);
    }

    void missingOpenerIsSilent_data() {
        QTest::addColumn<bool>("placeNonExecutableOpener");
        QTest::newRow("no opener on the path") << false;
        QTest::newRow("opener not executable") << true;
    }

    void missingOpenerIsSilent() {
        QFETCH(bool, placeNonExecutableOpener);
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        if (placeNonExecutableOpener)
            WriteOpener(directory.path(), RecordingOpener, false);
        // Nothing but the temporary folder: the real opener, if any, cannot be found.
        const EnvironmentOverride path("PATH", QFile::encodeName(directory.path()));

        QElapsedTimer clock;
        clock.start();
        lunetra::platform::OpenInBrowser("http://www.lunetra.example/");
        QVERIFY(clock.elapsed() < 1500);

        QTest::qWait(300);
        QVERIFY(RecordFiles(directory.path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBrowser)
#include "test_browser.moc"
