#pragma once

#include "parameters/ParameterDataUnit.h"

// The ink-jet family. Accepting an edit sends nothing at all when no setting changed.
class TParametersNimbus : public TParameterData
{
public:
    void ReadFromMessage(TXLMessage& message) override;

protected:
    TParametersNimbus() = default;
    TParametersNimbus(const TParametersNimbus&) = default;
};

// Also the record of the Cygnus and of every model code without a record of its own.
class TParametersVega : public TParametersNimbus
{
public:
    std::unique_ptr<TParameterData> Clone() const override;
    void SendChanges(TParameterData& received, TMessageSink& sink) override;
};

class TParametersRigel : public TParametersNimbus
{
public:
    std::unique_ptr<TParameterData> Clone() const override;
    void SendChanges(TParameterData& received, TMessageSink& sink) override;
};

// Two print heads, A and B.
class TParametersDeneb : public TParametersNimbus
{
public:
    std::unique_ptr<TParameterData> Clone() const override;
    void SendChanges(TParameterData& received, TMessageSink& sink) override;
};

class TParametersLyra : public TParametersNimbus
{
public:
    std::unique_ptr<TParameterData> Clone() const override;
    void SendChanges(TParameterData& received, TMessageSink& sink) override;
};
