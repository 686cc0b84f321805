#pragma once

#include <QMap>
#include <QObject>
#include <QProcess>
#include <QString>

// The vexd program run by a test, with a settings file of the test's in the test's folder (its
// history there too) and its journal lines read as they come, while the test's event loop runs.
class TVexdRun : public QObject
{
    Q_OBJECT

public:
    explicit TVexdRun(const QString& folder);
    ~TVexdRun() override;

    // The settings file: the history in the folder, and these values.
    void WriteSettings(const QMap<QString, QString>& values);
    QString SettingsFile() const;
    QString HistoryFile() const;

    bool Start();
    // Waits until the journal holds the text; false when vexd ends first or the time passes.
    bool AwaitLog(const QString& text, int timeoutMs = 15000);
    const QString& Log() const { return m_log; }
    void Signal(int signal);
    // Waits for the end; the exit code, or -1 when it did not end in time or crashed.
    int AwaitEnd(int timeoutMs = 15000);

    struct TCheck
    {
        int ExitCode = -1;
        QString Output; // both channels
    };
    // vexd --check with these settings.
    TCheck Check(const QMap<QString, QString>& values);

private:
    QString m_folder;
    QProcess m_process;
    QString m_log;
};
