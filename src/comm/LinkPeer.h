#pragma once

#include <QString>

#include <functional>
#include <memory>

class TCommChannel;
class TXLMessage;

// What a link hands up to the printer's state above it, and the printer's flags the link works with.
// The link owns its peer and knows the printer only through this.
class TLinkPeer
{
public:
    virtual ~TLinkPeer() = default;

    // A complete message from the printer. It may wait for the operator (a nested event loop).
    virtual void HandleMessage(TXLMessage& message) = 0;
    // The printer acknowledged a packet of the message being sent; complete with its last packet.
    // It may wait for the operator.
    virtual void PacketAcknowledged(const TXLMessage& message, bool complete) = 0;

    // The printer has acknowledged a connect request and has not disconnected.
    virtual bool IsConnected() const = 0;
    virtual void SetConnected(bool connected) = 0;
    // The printer is the one the station shows.
    virtual void SetSelected(bool selected) = 0;
    // Shows the printer's whole state (it has just been selected). It may wait for the operator.
    virtual void Refresh() = 0;
    // Sending is held until the printer next sends a data packet.
    virtual bool IsBusy() const = 0;
    virtual void SetBusy(bool busy) = 0;
};

// Makes the peer of a channel while the channel is being created.
using TLinkPeerFactory = std::function<std::unique_ptr<TLinkPeer>(TCommChannel&)>;

// Where a link reaches its printer, as the operator knows it: a COM port, or an address and port.
struct TLinkAddress
{
    enum class Kind
    {
        Serial,
        Network
    };
    Kind Medium = Kind::Serial;
    QString Address; // the COM port's name, or the printer's network address
    quint16 Port = 0; // the TCP port; 0 for a serial link

    bool operator==(const TLinkAddress&) const = default;
};
