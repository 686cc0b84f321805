#pragma once

#include <QtGlobal>

#include <array>

class TXLMessage;

// The 23 print settings of the simulated printer, kept by parameter number (1-21, 15 unused) plus
// the three spare words that only travel in the parameter message.
class TSimParameters
{
public:
    // Slots of the spare words, after the numbered settings; they have no parameter number.
    enum Spare
    {
        Spare1 = 22,
        Spare2 = 23,
        Spare3 = 24
    };

    TSimParameters();

    // A setting the station can write: numbers 1-21 except 15.
    static bool IsWritable(int number);
    qint32 Value(int slot) const { return m_values.at(size_t(slot)); }
    // False (and nothing stored) for a number the station cannot write.
    bool Write(int number, qint32 value);

    // The ParameterData body in the layout of the model: the Altair's, or the ink-jet family's for
    // every other code.
    void WriteMessage(quint8 model, TXLMessage& message) const;

private:
    std::array<qint32, 25> m_values{}; // index = parameter number or spare slot; 0 and 15 unused
};
