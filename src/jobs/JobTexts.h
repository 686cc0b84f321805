#pragma once

#include <QString>
#include <QtGlobal>

// The texts of job files and changeovers, translated in their own contexts.
namespace JobTexts {
inline constexpr char FileContext[] = "TJobFile";
inline constexpr char ChangeoverContext[] = "TChangeover";

// A refused job file: %1 the file, %2 the field, %3 the problem.
inline constexpr const char* Refused = QT_TRANSLATE_NOOP("TJobFile", "Job file %1, %2: %3");
inline constexpr const char* RefusedWhole = QT_TRANSLATE_NOOP("TJobFile", "Job file %1: %2");

// What is wrong with a job file or one of its fields.
inline constexpr const char* CannotRead = QT_TRANSLATE_NOOP("TJobFile", "cannot be read (%1)");
inline constexpr const char* TooLarge = QT_TRANSLATE_NOOP("TJobFile", "is larger than %1 bytes");
inline constexpr const char* NotJson = QT_TRANSLATE_NOOP("TJobFile", "is not JSON: %1 at character %2");
inline constexpr const char* NotObject = QT_TRANSLATE_NOOP("TJobFile", "must be a JSON object");
inline constexpr const char* UnknownField = QT_TRANSLATE_NOOP("TJobFile", "is not a field a job has");
inline constexpr const char* TwiceField = QT_TRANSLATE_NOOP("TJobFile", "is given twice");
inline constexpr const char* Missing = QT_TRANSLATE_NOOP("TJobFile", "is missing");
inline constexpr const char* NotText = QT_TRANSLATE_NOOP("TJobFile", "must be a text");
inline constexpr const char* NotWholeNumber = QT_TRANSLATE_NOOP("TJobFile", "must be a whole number");
inline constexpr const char* NotList = QT_TRANSLATE_NOOP("TJobFile", "must be a list");
inline constexpr const char* Empty = QT_TRANSLATE_NOOP("TJobFile", "must not be empty");
inline constexpr const char* TooLong = QT_TRANSLATE_NOOP("TJobFile", "must be at most %1 characters long");
inline constexpr const char* TooMany = QT_TRANSLATE_NOOP("TJobFile", "must hold at most %1 entries");
inline constexpr const char* OutOfRange = QT_TRANSLATE_NOOP("TJobFile", "must be from %1 to %2");
inline constexpr const char* NotOneOf = QT_TRANSLATE_NOOP("TJobFile", "must be one of: %1");
inline constexpr const char* NotWire =
    QT_TRANSLATE_NOOP("TJobFile", "holds a character a printer message cannot carry");
inline constexpr const char* NotProductCode =
    QT_TRANSLATE_NOOP("TJobFile", "may hold only letters, digits, '-', '.' and '_'");
inline constexpr const char* NotEntryName =
    QT_TRANSLATE_NOOP("TJobFile", "must start with a letter and hold only letters, digits, '-' and '_'");
inline constexpr const char* NoPrinters =
    QT_TRANSLATE_NOOP("TJobFile", "must name at least one printer model or printer name");
inline constexpr const char* NoDesignFile = QT_TRANSLATE_NOOP("TJobFile", "there is no file %1");
inline constexpr const char* DesignFileRefused =
    QT_TRANSLATE_NOOP("TJobFile", "the station would not send %1: %2");
inline constexpr const char* NoSuchItem =
    QT_TRANSLATE_NOOP("TJobFile", "the image %1 has no item %2 (it has %3)");
inline constexpr const char* RuleDoesNotFit =
    QT_TRANSLATE_NOOP("TJobFile", "a %1 rule does not fit item %2, a %3 item");
inline constexpr const char* RuleTwice = QT_TRANSLATE_NOOP("TJobFile", "item %1 has a rule already");
inline constexpr const char* EntryTwice = QT_TRANSLATE_NOOP("TJobFile", "an entry named %1 is there already");
inline constexpr const char* BadPattern = QT_TRANSLATE_NOOP("TJobFile", "is not a valid pattern: %1");

// Finding a job in the jobs folder: %1 the folder, %2 the product code or name asked for.
inline constexpr const char* NoJob = QT_TRANSLATE_NOOP("TJobFile", "No job in %1 has the product code or name %2");
inline constexpr const char* SeveralJobs =
    QT_TRANSLATE_NOOP("TJobFile", "Several jobs in %1 have the product code %2: %3");

// Why a value does not fit its item.
inline constexpr const char* NotDigits = QT_TRANSLATE_NOOP("TJobFile", "an %1 value holds only the digits 0 to 9");
inline constexpr const char* WrongDigitCount =
    QT_TRANSLATE_NOOP("TJobFile", "an %1 value has %2 digits, its check digit included");
inline constexpr const char* WrongCheckDigit =
    QT_TRANSLATE_NOOP("TJobFile", "the check digit of %1 is %2");
inline constexpr const char* ValueTooLong =
    QT_TRANSLATE_NOOP("TJobFile", "a value of item %1 has at most %2 characters");

// An operator entry that is refused: %1 the entry's name, %2 its prompt, %3 why.
inline constexpr const char* EntryRefused = QT_TRANSLATE_NOOP("TJobFile", "Entry %1 (%2): %3");
inline constexpr const char* EntryMissing = QT_TRANSLATE_NOOP("TJobFile", "no value given");
inline constexpr const char* EntryNoMatch = QT_TRANSLATE_NOOP("TJobFile", "'%1' does not match %2");
inline constexpr const char* EntryTooLong = QT_TRANSLATE_NOOP("TJobFile", "'%1' is longer than %2 characters");
} // namespace JobTexts

// One of the texts above in the current language.
QString JobText(const char* text);
QString ChangeoverText(const char* text);

// The changeover's texts.
namespace JobTexts {
inline constexpr const char* NoItem = QT_TRANSLATE_NOOP("TChangeover", "(none)");
inline constexpr const char* WholeDescription = QT_TRANSLATE_NOOP("TChangeover", "the whole description");
inline constexpr const char* DescribedOtherImage =
    QT_TRANSLATE_NOOP("TChangeover", "the printer described another image");
inline constexpr const char* DescriptionUnread =
    QT_TRANSLATE_NOOP("TChangeover", "the printer's description goes on in a way the station does not read");
inline constexpr const char* DescriptionTooLong =
    QT_TRANSLATE_NOOP("TChangeover", "the printer describes more rows than an image can have");
inline constexpr const char* Difference = QT_TRANSLATE_NOOP("TChangeover", "item %1: expected %2, found %3");

// Why a changeover does not start or does not go on.
inline constexpr const char* NoPrinter = QT_TRANSLATE_NOOP("TChangeover", "No printer is selected.");
inline constexpr const char* NotForPrinter =
    QT_TRANSLATE_NOOP("TChangeover", "The job is not for printer %1 (%2): it is for %3.");
inline constexpr const char* Models = QT_TRANSLATE_NOOP("TChangeover", "models %1");
inline constexpr const char* Names = QT_TRANSLATE_NOOP("TChangeover", "printers named %1");
inline constexpr const char* ModelsAndNames = QT_TRANSLATE_NOOP("TChangeover", "%1 and %2");
inline constexpr const char* PrinterPrinting =
    QT_TRANSLATE_NOOP("TChangeover", "Printer %1 is printing: stop it before a changeover.");
inline constexpr const char* TransferUnderWay =
    QT_TRANSLATE_NOOP("TChangeover", "A transfer of images is under way: wait until it has ended.");
inline constexpr const char* ImageChanged =
    QT_TRANSLATE_NOOP("TChangeover", "The design file now holds image %1, not %2: read the job again.");
inline constexpr const char* NoSuchEntry = QT_TRANSLATE_NOOP("TChangeover", "The job has no entry named %1.");
inline constexpr const char* NotHeld = QT_TRANSLATE_NOOP("TChangeover", "the printer does not hold it");
inline constexpr const char* TransferEnded = QT_TRANSLATE_NOOP("TChangeover", "The image was not sent: %1");
inline constexpr const char* FlashNotWritten =
    QT_TRANSLATE_NOOP("TChangeover", "The printer could not write its memory after the image was sent.");
inline constexpr const char* ImageNotAsSent =
    QT_TRANSLATE_NOOP("TChangeover", "The printer does not show the image it was sent: %1");
inline constexpr const char* PrinterGone = QT_TRANSLATE_NOOP("TChangeover", "The printer went away.");
inline constexpr const char* OtherPrinterSelected =
    QT_TRANSLATE_NOOP("TChangeover", "Another printer was selected.");
} // namespace JobTexts
