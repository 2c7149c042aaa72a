#pragma once

#include "proto/critterrows.h"

#include <QCoreApplication>
#include <QHash>
#include <QRect>
#include <QString>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTabWidget;
class QWidget;

namespace zantrel {

class CritterFlags;

// The widgets of the "Critters" tab: the six inner tabs with their grids of captions and
// boxes, the tip bars, the description and size boxes and the flag words of "Other". It places
// them and nothing more; what they do is the critter page's.
class CritterLayout {
    Q_DECLARE_TR_FUNCTIONS(CritterLayout)

public:
    explicit CritterLayout(QWidget* tab);
    ~CritterLayout();

    // The caption a tip bar shows while the pointer is over no field.
    static QString tipCaption();

    QTabWidget* inner() const { return m_inner; } // PageControl2
    QWidget* page(CritterTab tab) const { return m_tabs[std::size_t(tab)]; }
    QPlainTextEdit* memo() const { return m_memo; }          // Memo2
    QLineEdit* size() const { return m_size; }               // Edit9
    QLineEdit* zeroPartner() const { return m_zeroPartner; } // Edit117
    QLabel* tipBar(CritterTab tab) const; // Panel2 (Base), Panel3 (Extra), else nullptr
    CritterFlags* flags() const { return m_flags.get(); }
    // A field's control, or its partner, by object name.
    QWidget* control(const QString& name) const;

private:
    void buildGeneral(QWidget* page);
    void buildGrid(CritterTab tab, QWidget* page);
    void buildGridExtras(CritterTab tab, QWidget* page);
    void buildOther(QWidget* page);
    QWidget* makeControl(const RecordRow& f, QWidget* page, QRect place);

    QTabWidget* m_inner = nullptr;
    std::array<QWidget*, 6> m_tabs{};
    QPlainTextEdit* m_memo = nullptr;
    QLineEdit* m_size = nullptr;
    QLineEdit* m_zeroPartner = nullptr;
    QLabel* m_baseTipBar = nullptr;
    QLabel* m_extraTipBar = nullptr;
    std::unique_ptr<CritterFlags> m_flags;
    QHash<QString, QWidget*> m_controls;
};

} // namespace zantrel
