#pragma once

#include <QComboBox>

// A drop-down list that tells when the operator opens its list, before anything in it is chosen.
class TDropDownList : public QComboBox
{
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        emit ListOpened();
        QComboBox::showPopup();
    }

signals:
    void ListOpened();
};
