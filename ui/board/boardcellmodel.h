#pragma once

#include "sudokugame.h"

#include <QAbstractListModel>
#include <QList>
#include <QPointer>
#include <QtQml/qqml.h>

#include <array>
#include <cstdint>

namespace pondrel {

// The 81 cells of the board as a list model, row by row (row = cell index),
// for the grid's delegates to read through `required property`:
//
//     BoardCellModel { id: cells; game: root.game }
//     Repeater { model: cells; CellView { required property int highlight ... } }
//
// Every role is decided here from the game's public state, so the view holds
// no rule: which cells are mistakes (only while mistakes are shown), which
// notes an empty cell shows, which of them a Next Step removes, and which
// highlight each cell takes. The
// highlight rules, first match wins:
//
//   a Next Step shows (stepMarks) and the
//   cell is in its pattern                   -> StepPattern
//   a digit is armed, the game is not won
//   and the cell holds it                    -> ArmedDigit
//   the cell is selected                     -> Selected
//   a Next Step shows and the cell is where
//   it says to look                          -> StepArea
//   a digit is armed and the game is not won:
//       the digit cannot go there            -> Blocked  (SudokuGame::isBlocked)
//       anything else                        -> None
//   while a hint's reason shows:
//       the cell is one that shows it        -> HintReason
//   otherwise, with a selected cell p:
//       matching numbers are highlighted and
//       the cell holds p's (non-zero) digit  -> SameDigit
//       the cell is one of p's 20 peers      -> Peer     (the engine's table)
//   anything else                            -> None
//
// What a step points at comes first: a mistake it points out is usually the
// cell just typed into, still selected and holding the armed digit.
//
// The roles are recomputed for all cells on every change of the game state
// they depend on (81 cells, well under a microsecond each), and dataChanged
// is sent only for cells whose roles really changed, so a move redraws the
// cells it touched and no others.
class BoardCellModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(pondrel::SudokuGame *game READ game WRITE setGame NOTIFY gameChanged)

public:
    enum Role {
        ValueRole = Qt::UserRole + 1,
        GivenRole,
        MistakeRole,
        SelectedRole,
        NoteDigitsRole,
        HighlightRole,
        // The digits a Next Step removes from an empty cell, ascending,
        // whether or not the cell has them as notes.
        RemovedNoteDigitsRole,
    };
    Q_ENUM(Role)

    // What a cell's tint says; the view chooses the colour.
    enum Highlight {
        None,
        Selected,
        ArmedDigit,
        SameDigit,
        Peer,
        Blocked,
        HintReason,
        StepArea,
        StepPattern,
    };
    Q_ENUM(Highlight)

    explicit BoardCellModel(QObject *parent = nullptr);

    SudokuGame *game() const { return m_game; }
    void setGame(SudokuGame *game);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QHash<int, QByteArray> roleNames() const override;

signals:
    void gameChanged();

private:
    struct Cell
    {
        int value = 0;
        bool given = false;
        bool mistake = false;
        bool selected = false;
        std::uint16_t notes = 0;
        std::uint16_t removedNotes = 0;
        Highlight highlight = None;

        bool operator==(const Cell &) const = default;
    };

    // The cells as the game's state says now.
    std::array<Cell, 81> currentCells() const;
    // Takes the game's state and tells the view which cells changed.
    void refresh();

    QPointer<SudokuGame> m_game;
    std::array<Cell, 81> m_cells{};
};

} // namespace pondrel
