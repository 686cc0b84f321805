#pragma once

#include "app/StationWindow.h"

#include <QDialog>

#include <memory>
#include <optional>

namespace Ui {
class TAboutBox;
}

// The program's version numbers: major, minor and release (a fourth number is not shown).
struct TProgramVersion
{
    int Major = 0;
    int Minor = 0;
    int Release = 0;

    // The version this program was built as.
    static TProgramVersion OfProgram();
};

// The About box: the program's icon, caption and version; "OK" hides it.
class TAboutBox : public QDialog, public TStationWindow
{
    Q_OBJECT

public:
    // Without a version the box shows no version line.
    explicit TAboutBox(std::optional<TProgramVersion> version = TProgramVersion::OfProgram(),
                       QWidget* parent = nullptr);
    ~TAboutBox() override;

    void ReloadWindowTexts() override;
    QString VersionLine() const;

private:
    std::unique_ptr<Ui::TAboutBox> m_ui;
    std::optional<TProgramVersion> m_version;
};
