#include "app/main/AboutBox.h"

#include "ui_AboutBox.h"

#include "VexVersion.h"
#include "widgets/PlainText.h"
#include "widgets/ProgramIcon.h"

TProgramVersion TProgramVersion::OfProgram()
{
    return {VexVersion::Major, VexVersion::Minor, VexVersion::Release};
}

TAboutBox::TAboutBox(std::optional<TProgramVersion> version, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TAboutBox>()), m_version(version)
{
    PlainText::SetupForm(*m_ui, this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_ui->programIcon->setPixmap(ProgramIcon::Pixmap(64));
    m_ui->programIcon->setAccessibleName(tr("Program icon"));
    QFont caption = m_ui->productCaption->font();
    caption.setPointSizeF(caption.pointSizeF() * 1.5);
    caption.setBold(true);
    m_ui->productCaption->setFont(caption);
    connect(m_ui->okButton, &QPushButton::clicked, this, &QWidget::hide);
    ReloadWindowTexts();
}

TAboutBox::~TAboutBox() = default;

void TAboutBox::ReloadWindowTexts()
{
    m_ui->retranslateUi(this);
    m_ui->versionLine->setText(VersionLine());
    m_ui->versionLine->setVisible(m_version.has_value());
}

QString TAboutBox::VersionLine() const
{
    if (!m_version)
        return {};
    return tr("Version %1").arg(QString::asprintf("%d.%d.%.3d", m_version->Major, m_version->Minor, m_version->Release));
}
