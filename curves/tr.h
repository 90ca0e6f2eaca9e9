#pragma once
// Marks a text of the core for translation. The core keeps the text as it
// stands (the original wording); lupdate is told to collect QV_TR like
// QT_TR_NOOP, and the text is translated where it reaches a person: the
// editor's message boxes and the batch tool's output.

#define QV_TR(text) text
