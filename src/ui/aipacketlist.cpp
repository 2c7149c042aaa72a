#include "aipacketlist.h"

#include "core/numbers.h"
#include "gamedata/gamenames.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace zantrel {

AiPacketList::AiPacketList(QWidget* page, QLineEdit* number, QRect place)
    : QObject(page), m_number(number), m_list(new QComboBox(page)) {
    auto* caption = new QLabel(tr("AI Packet:"), page);
    caption->setGeometry(place.x(), place.y(), 92, place.height());
    caption->setBuddy(m_list);
    m_list->setObjectName(QStringLiteral("ComboBox11"));
    m_list->setAccessibleName(tr("AI packet"));
    m_list->setGeometry(place.adjusted(94, 0, 0, 0));
    m_list->setMaxVisibleItems(20);
    connect(m_list, &QComboBox::activated, this, &AiPacketList::picked);
    connect(m_number, &QLineEdit::textChanged, this, &AiPacketList::follow);
}

void AiPacketList::fill(const GameNames& names) {
    m_list->clear();
    for (const GameNames::AiPacket& packet : names.aiPackets())
        m_list->addItem(QStringLiteral("%1 (%2)").arg(packet.name).arg(packet.number),
                        packet.number);
    follow();
}

void AiPacketList::follow() {
    std::int32_t n = 0;
    const bool isNumber = tryStrToInt(m_number->text(), n);
    const int at = isNumber ? m_list->findData(std::uint32_t(n)) : -1;
    m_list->setCurrentIndex(at);
    // With no entry of its own the number is what the list shows.
    m_list->setPlaceholderText(at < 0 ? m_number->text() : QString());
}

void AiPacketList::picked(int index) {
    if (index >= 0)
        m_number->setText(QString::number(m_list->itemData(index).toUInt()));
}

} // namespace zantrel
