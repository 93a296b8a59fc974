#pragma once

// The decimal separator of the system's number format: money is shown and saved
// with it. One outside ASCII cannot stand in the single-byte save text, so '.'
// stands in for it.
char SystemDecimalPoint();
