#pragma once

#include <QByteArray>
#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

// The vexctl program run by a test: in a folder of the test's, with a settings file of its own
// there ("settings.ini") and its data folder there ("data", where its history goes unless the
// settings name another file), so that it never reads the user's settings or writes their history.
namespace VexctlRun {

struct TResult
{
    int ExitCode = -1; // -1: it did not end in time, or crashed
    QByteArray Output;
    QString Errors;
    qint64 Ms = 0; // how long it ran
};

QString SettingsFile(const QString& folder);

// The environment's variables are those of the test, with the settings file and the given ones. A
// launcher (a program and its arguments) runs vexctl, such as setpriv with capabilities dropped.
void Start(QProcess& process, const QString& folder, const QStringList& arguments,
           const QMap<QString, QString>& variables = {}, const QStringList& launcher = {});
// Waits for the end of a started run, at most a minute.
TResult Finish(QProcess& process);
TResult Run(const QString& folder, const QStringList& arguments,
            const QMap<QString, QString>& variables = {}, const QStringList& launcher = {});

// Reads a started run's standard output or error into seen until it holds the text at or after the
// position from; false when the run ends first or 20 s pass.
bool AwaitText(QProcess& process, QProcess::ProcessChannel channel, const QString& text, QString& seen,
               qsizetype from = 0);

// A design file of one text item, the image's name and the text as given.
QByteArray TextImage(const QByteArray& imageName, const QByteArray& text,
                     const QByteArray& version = "zorbe V3.1X000");

} // namespace VexctlRun
