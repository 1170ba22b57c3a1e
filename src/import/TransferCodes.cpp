#include "Ascii2DB.h"

QString TAscii2DB::ErrorText(int code) {
    switch (code & 0x7F) {
    case 0: return "No errors detected.";
    case 1: return "Can not get exclusive access to table.";
    case 2: return "Ascii file does not exist.";
    case 3: return "No fields in list";
    case 4: return "Data type mismatch during conversion.";
    case 5: return "Listed field not found in table.";
    case 6: return "Field contains too many characters.";
    case 7: return "Could not open ascii file.";
    case 8: return "More fields in list than table.";
    case 9: return "Table is not indexed.";
    case 10: return "Table index field is not in list.";
    case 11: return "Zero, invalid or missing field width.";
    case 12: return "Error during database edit or append process.";
    case 13: return "Error during database post process";
    case 14: return "Aborted by user.";
    case 15: return "Table not specified or missing table name";
    case 16: return "Missing database name in table.";
    case 17: return "Ascii file not specified";
    case 18: return "Error opening error file.";
    case 19: return "Error writting to error file.";
    case 20: return "No records found in ascii file";
    case 21: return "Wrong number of fields found in ascii record.";
    case 22: return "Error converting data.";
    case 23: return "Table index key violation error.";
    case 24: return "Record to long for a memofield.";
    case 25: return "General record error.";
    case 26: return "Other database error.";
    case 27: return "Can open table.";
    case 28: return "Error writting to export file.";
    default: return "Unknown error.";
    }
}
