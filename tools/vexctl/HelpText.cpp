#include "HelpText.h"

namespace {

const char* const Text = R"(The Telvos Vex station on the command line.

Commands without a printer:
  encode FILE [--fontmap PATH] [-o OUT]
        Reads an image design file as a transfer does and writes the image message body
        the printer would get (standard output unless -o). Exit 3 with the station's
        message when the station would refuse the image.
  preview FILE [-o PNG] [--scale N] [--json]
        Draws an image design file as the printer will place it, one pixel per printer
        dot (N x N pixels with --scale), into a PNG (FILE's name with .png, in the current
        folder, unless -o), lists every item with how it is drawn, and reads every barcode
        back. Exit 3 with the station's message when the station would refuse the file,
        6 when a barcode does not read back as its data.
  discover [--address ADDR[:PORT]] [--timeout MS] [--identify] [--json]
        One printer discovery (UDP): prints every printer port that answers, as
        "192.0.2.7 Port 3000". --address overrides the settings' discovery address and
        port for this run; --timeout is how long replies are collected (default 3000 ms);
        --identify connects to each printer briefly and adds its name, model and version.
  history [--printer NAME] [--since TIME] [--kind KIND] [--json | --csv]
        The station's history, oldest first: every event vex and vexctl recorded (connected,
        disconnected, link-lost, fault-raised, state-raised, state-cleared, print-started,
        print-stopped, image-transfer, image-deleted, item-modified, flash-write-started,
        flash-write-ended, parameter-written, clock-set, operator-request, operator-answer,
        and the history's own history-gap-began, history-gap-ended, history-pruned), one a
        line: number, time, printer, kind and values. --printer, --since (2024-03-05 or
        2024-03-05T10:00, local time unless an offset is given) and --kind choose the
        rows; --json gives each row as an object with its hash, --csv as comma-separated
        values.
  history verify
        Checks the history's hash chain from its oldest row: exit 0 when every row holds,
        3 naming the first row that does not.
  job check JOB [--json]
        Reads a job file and its design file as a changeover does and shows the job: its
        product code, image, printers and the rule of each item it sets. JOB is a job file,
        or the product code or file name of a job in the jobs folder (JOBS_DIRECTORY). Exit
        2 when no job is found, 3 when the job is refused, naming the file and the field.

Commands for one printer, given with --printer HOST[:PORT] (TCP, port 3000 unless given)
or --serial COMn|DEVICE:
  status            name, model, version, current images, printing, print count,
                    status word, free memory and stored images
  images            the images stored in the printer, one per line
  send FILE...      transfers image design files one after another; a file the station
                    refuses, or whose image the printer holds already (unless --overwrite),
                    is reported and passed over; ends with the printer's flash write.
                    --verify: a file whose barcodes do not read back is passed over too
  print IMAGE [IMAGE_B]   starts printing (IMAGE_B for the two-head model)
  stop              stops printing
  delete NAME...    deletes images, one after another, then the flash write; the
                    printer's protected image and names it does not hold are passed over
  params show       the printer's parameters by the labels of its model's page
                    (--json: {"model":..,"modelName":..,"settings":{label: value}})
  params set NAME=VALUE...
                    changes settings, in the order given, by the editor's rules (NAME is
                    a label of the page in any case; VALUE an entry, its position, or a
                    number with or without its unit); then writes the changed settings
                    and waits for the printer's flash write. A refusal exits 3 and sends
                    nothing. Choosing an encoder source resets the speed, so give the
                    speed after it
  params save FILE  writes the parameters to a parameter file (.prm)
  params load FILE  reads a parameter file of the printer's model and writes what differs
                    as "set" does; another model's file exits 3
  clock             the printer's date and time (--json: {"date":..,"time":..})
  clock --set "YYYY-MM-DD HH:MM"  |  clock --sync
                    sets the printer's clock to that date and time, or to the PC's;
                    the date and the time are each sent only when they differ
  items IMAGE       the items of a stored image as the printer describes them: number,
                    type and value; lines of multi-line texts and elements of EAN-128
                    barcodes are rows of their own (4.1, 4.2 ...)
  modify IMAGE ITEM VALUE
                    gives the item (numbered as "items" shows it) a new value and reads
                    the items again; exit 3 when the printer does not show the new value
  job run JOB|PRODUCT-CODE [--value NAME=VALUE ...] [--json]
                    a product's changeover: refuses a printer the job is not for; sends
                    the job's image when the printer lacks it or holds a different one of
                    that name; gives the items the job's values (--value answers each
                    operator entry by its name); reads the items back; and starts printing
                    only when every item matches the job, after reading them once more.
                    Exit 3 when the job, the printer or a value is refused (naming the
                    rule), 8 when the items differ from the job's (each difference listed)
  monitor [--json] [--reconnect] [--interval S]
                    stays connected and prints one line per event until Ctrl-C: status
                    word, print count, current images, free memory, faults, operator
                    requests, flash writes, disconnection. --json: one object per line
                    with "time" (ISO 8601, milliseconds) and "event". --interval: seconds
                    between status requests, which notice a printer switched off (default
                    5). --reconnect: a lost printer is connected again after 1 s, 2 s, 4 s
                    ... at most 30 s; without it the monitor ends with exit 5
The printer is connected first and disconnected cleanly at the end. Everything a command
does to the printer, and everything the printer reports meanwhile, is recorded in the
station's history (HISTORY_FILE in the settings). Printer faults that
arrive meanwhile are printed on standard error. Operator requests are answered as closing
their window without an entry would answer them (the printer's own text or value, today's
date), or with --answer-text TEXT, --answer-number N, --answer-date YYYY-MM-DD, each
reported there. An answer the window would refuse (a number outside the request's limits,
a text longer than it allows) is replaced by the window's default and the command exits 3.
--timeout is how long the printer may leave a packet or a request unanswered (default
10 s); a long transfer goes on as long as the printer keeps acknowledging.

Exit codes: 0 done; 2 usage, or a file, serial port or history that cannot be opened, read
or written; 3 refused: an image (encode; send with files passed over), names passed over by
delete, a setting or parameter file by params, an item or value by items and modify, an
operator answer, a history row that does not hold (history verify); 4 the printer ended a
transfer (insufficient memory, transfer failed); 5 the printer does not answer within
--timeout, or goes away during the command (monitor: the printer went away without
--reconnect); 6 a barcode that does not read back (preview); 7 the printer could not write
its flash memory (MEMORY WRITE ERROR!) after send, delete, params set, params load or job
run; 8 job run: the items the printer shows differ from the job's, and printing was not
started. job run also exits 3 when the job, the printer or an entry is refused, 4 when the
printer ends the transfer of the job's image, 5 when it does not answer or goes away.

Examples:
  vexctl --printer 127.0.0.1 params set "Encoder strobe source=Internal Pulse Generator" Speed=20
  vexctl --printer 127.0.0.1 params save line1.prm
  vexctl --printer 127.0.0.1 clock --sync
  vexctl --printer 127.0.0.1 modify DEMO 1 "NEW TEXT"
  vexctl --printer 127.0.0.1 monitor --json --reconnect --answer-number 12
  vexctl job check examples/jobs/crate.json
  vexctl --printer 127.0.0.1 job run 04006381333931 --value lot=L12345

Environment: VEX_SETTINGS_FILE names the settings file to use (JOBS_DIRECTORY there names
the jobs folder, by default "jobs" in the station's data folder); VEX_NOW fixes the
station's clock (the day that date items count from, the operator date, the PC's time
for clock --sync) at a local date and time such as 2024-03-05T10:00:00.)";

} // namespace

QString HelpText()
{
    return QString::fromUtf8(Text);
}
