// SPDX-License-Identifier: GPL-3.0-or-later
// The window program's command line: its answers, their exit status and a quiet start.

#include "engine/Version.h"

#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

namespace {

struct Run {
  int status = -1;
  QString out;
  QString err;
};

Run RunProgram(const QStringList& arguments, const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(PIPECOLUMN_WINDOW_PROGRAM), arguments);
  if (!process.waitForFinished(60000)) {
    process.kill();
    process.waitForFinished();
  }
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          QString::fromLocal8Bit(process.readAllStandardOutput()),
          QString::fromLocal8Bit(process.readAllStandardError())};
}

QProcessEnvironment Offscreen() {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  return environment;
}

} // namespace

class ProgramOptionsTest : public QObject {
  Q_OBJECT

private slots:
  // Every answer comes without a display: the platform is one that does not exist.
  void answers_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out"); // the start of standard output
    QTest::addColumn<QString>("err"); // the start of standard error
    const QString usage = QStringLiteral("Usage: pipecolumn [options]");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
    QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
    QTest::newRow("--version") << QStringList{"--version"} << 0
                               << QStringLiteral("pipecolumn %1\n").arg(engine::kVersion)
                               << QString();
    QTest::newRow("unknown option")
        << QStringList{"--colour"} << 2 << QString()
        << QStringLiteral("pipecolumn: Unknown option 'colour'.\n") + usage;
    QTest::newRow("a second file")
        << QStringList{"a.pipecolumn", "sheet.pdf"} << 2 << QString()
        << QStringLiteral("pipecolumn: unexpected argument 'sheet.pdf'\n") + usage;
    QTest::newRow("option without its value")
        << QStringList{"--screenshot"} << 2 << QString()
        << QStringLiteral("pipecolumn: Missing value after '--screenshot'.\n") + usage;
  }

  void answers() {
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
    const Run run = RunProgram(arguments, environment);
    QCOMPARE(run.status, status);
    QVERIFY2(out.isEmpty() ? run.out.isEmpty() : run.out.startsWith(out), qPrintable(run.out));
    QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.startsWith(err), qPrintable(run.err));
  }

  // Without XDG_RUNTIME_DIR the window starts and ends without a word on standard error, and the
  // runtime folder it names is the user's alone.
  void normalRunIsQuiet() {
    QTemporaryDir temp;
    QVERIFY(temp.isValid());
    QProcessEnvironment environment = Offscreen();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("TMPDIR"), temp.path());
    const QString shot = temp.filePath(QStringLiteral("window.png"));
    const Run run = RunProgram({QStringLiteral("--screenshot"), shot}, environment);
    QCOMPARE(run.status, 0);
    // The offscreen platform cannot hand the window's least size on, and says so; a display can.
    const QString sizeHintsNotice =
        QStringLiteral("This plugin does not support propagateSizeHints()\n");
    QCOMPARE(QString(run.err).remove(sizeHintsNotice), QString());
    QVERIFY(QFileInfo(shot).size() > 0);
    const QFileInfo runtime(temp.filePath(QStringLiteral("runtime-%1").arg(getuid())));
    QVERIFY(runtime.isDir());
    QCOMPARE(runtime.permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser |
                                       QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner),
             QFile::Permissions());
  }
};

int RunProgramOptionsTest(int argc, char** argv) {
  ProgramOptionsTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "ProgramOptionsTest.moc"
