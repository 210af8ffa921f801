// The mouse cursor by a small number: 0 arrow, 1 I-beam, 2 and 3 cross,
// 4 hourglass; any other number is a cursor resource of the program, or the
// arrow when there is none. The cursor is set at once.
#pragma once

void SetCursorID(short id);
