#pragma once

#include <QValidator>

// For fields whose text goes to a printer as a string: a character the string cannot carry is not
// taken (it would arrive as another one).
class TWireTextValidator : public QValidator
{
    Q_OBJECT

public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override;
};
