#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <cstdint>

#include "core/class_overview.h"

namespace glosbo::results {

// The class overview as a table for a view: a row per pupil and the count
// row last; the name, the 17 tests and the tests passed as columns. Cells
// are made when the view asks for them, so that a class of thousands opens
// at once.
class ClassOverviewModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kNameColumn = 0;
    static constexpr int kPassedColumn = core::kDiagnosisTests + 1;
    static constexpr int kColumns = core::kDiagnosisTests + 2;

    explicit ClassOverviewModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    void setOverview(core::ClassOverview overview);
    const core::ClassOverview& overview() const { return m_overview; }
    void sortBy(const core::ClassSort& sort);

    // The pupil of a row; nothing for the count row.
    const core::ClassPupil* pupil(int row) const;
    bool isCountRow(int row) const { return row == int(m_overview.pupils.size()); }
    // The row of the pupil of a record of the file, or -1.
    int rowOfRecord(std::size_t record) const;

    static QColor statusColour(std::uint8_t status);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    core::ClassOverview m_overview;
};

} // namespace glosbo::results
