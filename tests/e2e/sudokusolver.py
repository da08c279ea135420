"""A small sudoku solver, so a test can play a dealt puzzle to the end with
real digits: the app stores no solution where a test could read it.

Candidates as bit masks, the cell with the fewest candidates first,
depth-first; a puzzle the app deals has one solution and is solved in
milliseconds.
"""

ALL_DIGITS = 0x3FE  # bits 1 to 9

PEERS = []
for _cell in range(81):
    _row, _column = divmod(_cell, 9)
    _box = (_row // 3 * 3, _column // 3 * 3)
    PEERS.append(sorted({other for other in range(81) if other != _cell and (
        other // 9 == _row or other % 9 == _column
        or (other // 9 // 3 * 3, other % 9 // 3 * 3) == _box)}))


def candidates(values, cell):
    mask = ALL_DIGITS
    for peer in PEERS[cell]:
        mask &= ~(1 << values[peer])
    return mask


def solve(givens):
    """The solution of 81 digits (0 for empty) as a list, or None."""
    values = list(givens)
    for cell, digit in enumerate(values):
        if digit and candidates(values, cell) & (1 << digit) == 0:
            return None

    def search():
        best, best_mask, best_count = None, 0, 10
        for cell in range(81):
            if values[cell] == 0:
                mask = candidates(values, cell)
                count = bin(mask).count("1")
                if count < best_count:
                    best, best_mask, best_count = cell, mask, count
                    if count <= 1:
                        break
        if best is None:
            return True
        for digit in range(1, 10):
            if best_mask & (1 << digit):
                values[best] = digit
                if search():
                    return True
        values[best] = 0
        return False

    return values if search() else None
