<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CheckCommand</name>
    <message>
        <source>no answer from the controller: the check did not run</source>
        <translation>no answer from the controller: the check did not run</translation>
    </message>
</context>
<context>
    <name>CheckRunner</name>
    <message>
        <source>: expected %1, seen %2</source>
        <translation>: expected %1, seen %2</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>waiting</source>
        <translation>waiting</translation>
    </message>
    <message>
        <source>running</source>
        <translation>running</translation>
    </message>
    <message>
        <source>passed</source>
        <translation>passed</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>timed out</source>
        <translation>timed out</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>skipped</translation>
    </message>
    <message>
        <source>not finished</source>
        <translation>not finished</translation>
    </message>
    <message>
        <source>no answer</source>
        <translation>no answer</translation>
    </message>
    <message>
        <source>no answer from the machine</source>
        <translation>no answer from the machine</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>%1 = %2</source>
        <translation>%1 = %2</translation>
    </message>
    <message>
        <source>%1 rises by %2</source>
        <translation>%1 rises by %2</translation>
    </message>
    <message>
        <source>%1 pulses %2 times</source>
        <translation>%1 pulses %2 times</translation>
    </message>
    <message>
        <source>%1 stays %2</source>
        <translation>%1 stays %2</translation>
    </message>
    <message>
        <source>%1 rose by %2</source>
        <translation>%1 rose by %2</translation>
    </message>
    <message>
        <source>%1 pulsed %2 times</source>
        <translation>%1 pulsed %2 times</translation>
    </message>
</context>
<context>
    <name>CheckTableModel</name>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>%1 s left</source>
        <translation>%1 s left</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>expected %1, seen %2</source>
        <translation>expected %1, seen %2</translation>
    </message>
</context>
<context>
    <name>ChecklistReader</name>
    <message>
        <source>&quot;%1&quot;: no such field</source>
        <translation>&quot;%1&quot;: no such field</translation>
    </message>
    <message>
        <source>&quot;id&quot;: missing</source>
        <translation>&quot;id&quot;: missing</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a step sends one of &quot;mode&quot;, &quot;command&quot; and &quot;output&quot;</source>
        <translation>&quot;%1&quot;: a step sends one of &quot;mode&quot;, &quot;command&quot; and &quot;output&quot;</translation>
    </message>
    <message>
        <source>&quot;mode&quot;: no such mode (2 to 6)</source>
        <translation>&quot;mode&quot;: no such mode (2 to 6)</translation>
    </message>
    <message>
        <source>&quot;command&quot;: unknown command</source>
        <translation>&quot;command&quot;: unknown command</translation>
    </message>
    <message>
        <source>&quot;output&quot;: no such output</source>
        <translation>&quot;output&quot;: no such output</translation>
    </message>
    <message>
        <source>&quot;value&quot;: 0 or 1 needed</source>
        <translation>&quot;value&quot;: 0 or 1 needed</translation>
    </message>
    <message>
        <source>&quot;parameters&quot;: two numbers, for command 34 only</source>
        <translation>&quot;parameters&quot;: two numbers, for command 34 only</translation>
    </message>
    <message>
        <source>&quot;expect&quot;: a question step expects the technician&apos;s answer only</source>
        <translation>&quot;expect&quot;: a question step expects the technician&apos;s answer only</translation>
    </message>
    <message>
        <source>&quot;within&quot;: missing or not from 1 to 600000 ms</source>
        <translation>&quot;within&quot;: missing or not from 1 to 600000 ms</translation>
    </message>
    <message>
        <source>&quot;within&quot;: belongs to each condition of &quot;expect&quot;</source>
        <translation>&quot;within&quot;: belongs to each condition of &quot;expect&quot;</translation>
    </message>
    <message>
        <source>&quot;expect&quot;: missing; a step expects conditions or asks a &quot;question&quot;</source>
        <translation>&quot;expect&quot;: missing; a step expects conditions or asks a &quot;question&quot;</translation>
    </message>
    <message>
        <source>&quot;expect&quot; %1: %2</source>
        <translation>&quot;expect&quot; %1: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a whole number needed</source>
        <translation>&quot;%1&quot;: a whole number needed</translation>
    </message>
    <message>
        <source>&quot;field&quot;: no such field in the machine&apos;s answer</source>
        <translation>&quot;field&quot;: no such field in the machine&apos;s answer</translation>
    </message>
    <message>
        <source>one of &quot;becomes&quot;, &quot;rises_by&quot;, &quot;pulses&quot; and &quot;stays&quot; needed</source>
        <translation>one of &quot;becomes&quot;, &quot;rises_by&quot;, &quot;pulses&quot; and &quot;stays&quot; needed</translation>
    </message>
    <message>
        <source>not JSON at byte %1: %2</source>
        <translation>not JSON at byte %1: %2</translation>
    </message>
    <message>
        <source>&quot;steps&quot;: missing or empty</source>
        <translation>&quot;steps&quot;: missing or empty</translation>
    </message>
    <message>
        <source>&quot;id&quot;: another step has it</source>
        <translation>&quot;id&quot;: another step has it</translation>
    </message>
    <message>
        <source>step %1 (%2): %3</source>
        <translation>step %1 (%2): %3</translation>
    </message>
    <message>
        <source>no id</source>
        <translation>no id</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>ClosingDialog</name>
    <message>
        <source>Discard</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Keep editing</source>
        <translation>Keep editing</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Service tool for the controller of a vending coffee machine.</source>
        <translation>Service tool for the controller of a vending coffee machine.</translation>
    </message>
    <message>
        <source>Displays this help.</source>
        <translation>Displays this help.</translation>
    </message>
    <message>
        <source>Displays the version.</source>
        <translation>Displays the version.</translation>
    </message>
    <message>
        <source>Append the trace of the link to the controller to FILE, line by line.</source>
        <translation>Append the trace of the link to the controller to FILE, line by line.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: %2</source>
        <translation>cannot write the trace file %1: %2</translation>
    </message>
    <message>
        <source>Open the History window of the trace FILE, connecting to nothing.</source>
        <translation>Open the History window of the trace FILE, connecting to nothing.</translation>
    </message>
    <message>
        <source>Write the history of the trace FILE as CSV to standard output.</source>
        <translation>Write the history of the trace FILE as CSV to standard output.</translation>
    </message>
    <message>
        <source>the trace file %1 cannot be written, tracing stops: %2</source>
        <translation>the trace file %1 cannot be written, tracing stops: %2</translation>
    </message>
    <message>
        <source>--trace needs a file name</source>
        <translation>--trace needs a file name</translation>
    </message>
    <message>
        <source>cannot write the trace file %1: it is not a regular file</source>
        <translation>cannot write the trace file %1: it is not a regular file</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>cannot read %1: %2</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, line %2: %3</translation>
    </message>
    <message>
        <source>Run the machine check with no display, one line per step; exit 0 when every step passed, 1 when one failed, 2 when it could not run.</source>
        <translation>Run the machine check with no display, one line per step; exit 0 when every step passed, 1 when one failed, 2 when it could not run.</translation>
    </message>
    <message>
        <source>With --check: the steps of FILE (JSON).</source>
        <translation>With --check: the steps of FILE (JSON).</translation>
    </message>
    <message>
        <source>With --check: write the results to FILE as JUnit XML.</source>
        <translation>With --check: write the results to FILE as JUnit XML.</translation>
    </message>
    <message>
        <source>Start with the machine NAME chosen.</source>
        <translation>Start with the machine NAME chosen.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Write the service report of the visit in FOLDER to the file of --out.</source>
        <translation>Write the service report of the visit in FOLDER to the file of --out.</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>The report&apos;s file, .pdf or .html.</source>
        <translation>The report&apos;s file, .pdf or .html.</translation>
    </message>
    <message>
        <source>Name the controller&apos;s address in the report.</source>
        <translation>Name the controller&apos;s address in the report.</translation>
    </message>
    <message>
        <source>--report needs --out FILE</source>
        <translation>--report needs --out FILE</translation>
    </message>
    <message>
        <source>there is no machine named &quot;%1&quot;</source>
        <translation>there is no machine named &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>DefaultCheck</name>
    <message>
        <source>Master mode</source>
        <translation>Master mode</translation>
    </message>
    <message>
        <source>Boiler heating</source>
        <translation>Boiler heating</translation>
    </message>
    <message>
        <source>Boiler pump</source>
        <translation>Boiler pump</translation>
    </message>
    <message>
        <source>Valve 1</source>
        <translation>Valve 1</translation>
    </message>
    <message>
        <source>Valve 2</source>
        <translation>Valve 2</translation>
    </message>
    <message>
        <source>Water to the coffee group</source>
        <translation>Water to the coffee group</translation>
    </message>
    <message>
        <source>Water to the mixer</source>
        <translation>Water to the mixer</translation>
    </message>
    <message>
        <source>Water pump and flow sensor</source>
        <translation>Water pump and flow sensor</translation>
    </message>
    <message>
        <source>Water selector drive</source>
        <translation>Water selector drive</translation>
    </message>
    <message>
        <source>Water selector to position 1</source>
        <translation>Water selector to position 1</translation>
    </message>
    <message>
        <source>Water selector home</source>
        <translation>Water selector home</translation>
    </message>
    <message>
        <source>Mixer 1 drive</source>
        <translation>Mixer 1 drive</translation>
    </message>
    <message>
        <source>Mixer 1 screw</source>
        <translation>Mixer 1 screw</translation>
    </message>
    <message>
        <source>Mixer 2 drive</source>
        <translation>Mixer 2 drive</translation>
    </message>
    <message>
        <source>Mixer 2 screw</source>
        <translation>Mixer 2 screw</translation>
    </message>
    <message>
        <source>Mixer 3 drive</source>
        <translation>Mixer 3 drive</translation>
    </message>
    <message>
        <source>Mixer 3 screw</source>
        <translation>Mixer 3 screw</translation>
    </message>
    <message>
        <source>Mixer 4 drive</source>
        <translation>Mixer 4 drive</translation>
    </message>
    <message>
        <source>Mixer 4 screw</source>
        <translation>Mixer 4 screw</translation>
    </message>
    <message>
        <source>Cup dispenser working cycle</source>
        <translation>Cup dispenser working cycle</translation>
    </message>
    <message>
        <source>Sugar dispenser working cycle</source>
        <translation>Sugar dispenser working cycle</translation>
    </message>
    <message>
        <source>Coffee group working cycle</source>
        <translation>Coffee group working cycle</translation>
    </message>
    <message>
        <source>No error</source>
        <translation>No error</translation>
    </message>
    <message>
        <source>Trade mode</source>
        <translation>Trade mode</translation>
    </message>
</context>
<context>
    <name>FailureTexts</name>
    <message>
        <source>The connection was refused: nothing listens at that port.</source>
        <translation>The connection was refused: nothing listens at that port.</translation>
    </message>
    <message>
        <source>refused: nothing listens at that port</source>
        <translation>refused: nothing listens at that port</translation>
    </message>
    <message>
        <source>The host name was not found.</source>
        <translation>The host name was not found.</translation>
    </message>
    <message>
        <source>the host name was not found</source>
        <translation>the host name was not found</translation>
    </message>
    <message>
        <source>The controller closed the connection.</source>
        <translation>The controller closed the connection.</translation>
    </message>
    <message>
        <source>the controller closed the connection</source>
        <translation>the controller closed the connection</translation>
    </message>
    <message>
        <source>No connection within %1 s (timed out).</source>
        <translation>No connection within %1 s (timed out).</translation>
    </message>
    <message>
        <source>no connection within %1 s</source>
        <translation>no connection within %1 s</translation>
    </message>
    <message>
        <source>The network is unreachable.</source>
        <translation>The network is unreachable.</translation>
    </message>
    <message>
        <source>the network is unreachable</source>
        <translation>the network is unreachable</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Inputs and outputs</source>
        <translation>Inputs and outputs</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Show:</translation>
    </message>
    <message>
        <source>Oldest events dropped: %1</source>
        <translation>Oldest events dropped: %1</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Export CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>The CSV file %1 could not be written: %2</source>
        <translation>The CSV file %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Fit</translation>
    </message>
    <message>
        <source>Save picture…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation>Save picture</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>PNG pictures (*.png)</translation>
    </message>
    <message>
        <source>The picture %1 could not be written: %2</source>
        <translation>The picture %1 could not be written: %2</translation>
    </message>
    <message>
        <source>Machine check</source>
        <translation>Machine check</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Lasted</source>
        <translation>Lasted</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>Link</translation>
    </message>
    <message>
        <source>What</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>HistoryTexts</name>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Lost</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>Not answering</source>
        <translation>Not answering</translation>
    </message>
    <message>
        <source>Answering</source>
        <translation>Answering</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Input</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>Output</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Not sent</source>
        <translation>Not sent</translation>
    </message>
    <message>
        <source>Make drink %1, sugar %2</source>
        <translation>Make drink %1, sugar %2</translation>
    </message>
    <message>
        <source>not connected yet</source>
        <translation>not connected yet</translation>
    </message>
    <message>
        <source>connection lost</source>
        <translation>connection lost</translation>
    </message>
    <message>
        <source>no connection</source>
        <translation>no connection</translation>
    </message>
    <message>
        <source>Switch to mode %1</source>
        <translation>Switch to mode %1</translation>
    </message>
    <message>
        <source>%1 set to %2</source>
        <translation>%1 set to %2</translation>
    </message>
    <message>
        <source>Water selector</source>
        <translation>Water selector</translation>
    </message>
    <message>
        <source>Boiler heating</source>
        <translation>Boiler heating</translation>
    </message>
    <message>
        <source>Boiler pump</source>
        <translation>Boiler pump</translation>
    </message>
    <message>
        <source>Boiler valve 1</source>
        <translation>Boiler valve 1</translation>
    </message>
    <message>
        <source>Boiler valve 2</source>
        <translation>Boiler valve 2</translation>
    </message>
    <message>
        <source>Coffe grinder</source>
        <translation>Coffee grinder</translation>
    </message>
    <message>
        <source>Cooler</source>
        <translation>Cooler</translation>
    </message>
    <message>
        <source>Coffe metering unload</source>
        <translation>Coffee metering unload</translation>
    </message>
    <message>
        <source>Coffe group</source>
        <translation>Coffee group</translation>
    </message>
    <message>
        <source>Dispenser cup rotation</source>
        <translation>Cup dispenser rotation</translation>
    </message>
    <message>
        <source>Dispender cup unload</source>
        <translation>Cup dispenser unload</translation>
    </message>
    <message>
        <source>Dispenser sugar down</source>
        <translation>Sugar dispenser down</translation>
    </message>
    <message>
        <source>Dispenser sugar screw</source>
        <translation>Sugar dispenser screw</translation>
    </message>
    <message>
        <source>Mixer 1 Screw</source>
        <translation>Mixer 1 Screw</translation>
    </message>
    <message>
        <source>Mixer 1 Drive</source>
        <translation>Mixer 1 Drive</translation>
    </message>
    <message>
        <source>Mixer 2 Screw</source>
        <translation>Mixer 2 Screw</translation>
    </message>
    <message>
        <source>Mixer 2 Drive</source>
        <translation>Mixer 2 Drive</translation>
    </message>
    <message>
        <source>Mixer 3 Screw</source>
        <translation>Mixer 3 Screw</translation>
    </message>
    <message>
        <source>Mixer 3 Drive</source>
        <translation>Mixer 3 Drive</translation>
    </message>
    <message>
        <source>Mixer 4 Screw</source>
        <translation>Mixer 4 Screw</translation>
    </message>
    <message>
        <source>Mixer 4 Drive</source>
        <translation>Mixer 4 Drive</translation>
    </message>
    <message>
        <source>Water pump</source>
        <translation>Water pump</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Check step</source>
        <translation>Check step</translation>
    </message>
</context>
<context>
    <name>MachineCheckDialog</name>
    <message>
        <source>Machine check</source>
        <translation>Machine check</translation>
    </message>
    <message>
        <source>Run all</source>
        <translation>Run all</translation>
    </message>
    <message>
        <source>Run step</source>
        <translation>Run step</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>No connection to the controller: no step starts until it is back.</source>
        <translation>No connection to the controller: no step starts until it is back.</translation>
    </message>
</context>
<context>
    <name>MachineForm</name>
    <message>
        <source>New machine</source>
        <translation>New machine</translation>
    </message>
    <message>
        <source>Machine %1</source>
        <translation>Machine %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Controller address</source>
        <translation>Controller address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>The machine was not saved: %1.</source>
        <translation>The machine was not saved: %1.</translation>
    </message>
</context>
<context>
    <name>Machines</name>
    <message>
        <source>it is not a machine file</source>
        <translation>it is not a machine file</translation>
    </message>
    <message>
        <source>its version %1 is not known</source>
        <translation>its version %1 is not known</translation>
    </message>
    <message>
        <source>the machine has no name</source>
        <translation>the machine has no name</translation>
    </message>
    <message>
        <source>the address &quot;%1&quot; cannot be used</source>
        <translation>the address &quot;%1&quot; cannot be used</translation>
    </message>
    <message>
        <source>the port &quot;%1&quot; is not a number from 1 to 65535</source>
        <translation>the port &quot;%1&quot; is not a number from 1 to 65535</translation>
    </message>
    <message>
        <source>it is too large for a machine file</source>
        <translation>it is too large for a machine file</translation>
    </message>
    <message>
        <source>it is not JSON: %1 at byte %2</source>
        <translation>it is not JSON: %1 at byte %2</translation>
    </message>
    <message>
        <source>a machine named &quot;%1&quot; is there already</source>
        <translation>a machine named &quot;%1&quot; is there already</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>the folder %1 cannot be made</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>the machine &quot;%1&quot; is gone</source>
        <translation>the machine &quot;%1&quot; is gone</translation>
    </message>
    <message>
        <source>the machine file %1 cannot be read</source>
        <translation>the machine file %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 (copy)</source>
        <translation>%1 (copy)</translation>
    </message>
    <message>
        <source>%1 (copy %2)</source>
        <translation>%1 (copy %2)</translation>
    </message>
    <message>
        <source>%1 cannot be removed</source>
        <translation>%1 cannot be removed</translation>
    </message>
    <message>
        <source>%1 was not imported: %2</source>
        <translation>%1 was not imported: %2</translation>
    </message>
    <message>
        <source>another file imported names &quot;%1&quot; too</source>
        <translation>another file imported names &quot;%1&quot; too</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be written</source>
        <translation>the settings file %1 cannot be written</translation>
    </message>
    <message>
        <source>Machine 1</source>
        <translation>Machine 1</translation>
    </message>
</context>
<context>
    <name>MachinesDialog</name>
    <message>
        <source>Machines</source>
        <translation>Machines</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Address</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>Last visit</source>
        <translation>Last visit</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Outcome</translation>
    </message>
    <message>
        <source>Note to this visit, e.g. replaced pump seal</source>
        <translation>Note to this visit, e.g. replaced pump seal</translation>
    </message>
    <message>
        <source>Include the controller&apos;s address</source>
        <translation>Include the controller&apos;s address</translation>
    </message>
    <message>
        <source>Report…</source>
        <translation>Report…</translation>
    </message>
    <message>
        <source>Save the report</source>
        <translation>Save the report</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Visit</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>Limit</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>Choose</translation>
    </message>
    <message>
        <source>Add…</source>
        <translation>Add…</translation>
    </message>
    <message>
        <source>Edit…</source>
        <translation>Edit…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Remove…</source>
        <translation>Remove…</translation>
    </message>
    <message>
        <source>Import…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>Import machines</source>
        <translation>Import machines</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Export the machines to a folder</source>
        <translation>Export the machines to a folder</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>never</source>
        <translation>never</translation>
    </message>
    <message>
        <source>under way</source>
        <translation>under way</translation>
    </message>
    <message>
        <source>The visits use %1 MB of their limit of %2 MB.</source>
        <translation>The visits use %1 MB of their limit of %2 MB.</translation>
    </message>
    <message>
        <source>The machine was not chosen: %1.</source>
        <translation>The machine was not chosen: %1.</translation>
    </message>
    <message>
        <source>The machine was not duplicated: %1.</source>
        <translation>The machine was not duplicated: %1.</translation>
    </message>
    <message>
        <source>Remove the machine &quot;%1&quot; and everything kept of its visits?</source>
        <translation>Remove the machine &quot;%1&quot; and everything kept of its visits?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>Keep</translation>
    </message>
    <message>
        <source>The machine was not removed: %1.</source>
        <translation>The machine was not removed: %1.</translation>
    </message>
    <message>
        <source>Machine files (*.json)</source>
        <translation>Machine files (*.json)</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>HTML (*.html)</source>
        <translation>HTML (*.html)</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Nothing was imported: %1.</translation>
    </message>
    <message>
        <source>The machines were not exported: %1.</source>
        <translation>The machines were not exported: %1.</translation>
    </message>
    <message>
        <source>The selected machine has no visit to report.</source>
        <translation>The selected machine has no visit to report.</translation>
    </message>
    <message>
        <source>The report was not written: %1.</source>
        <translation>The report was not written: %1.</translation>
    </message>
</context>
<context>
    <name>PollingDialog</name>
    <message>
        <source>Controller address or port in the settings is not valid</source>
        <translation>Controller address or port in the settings is not valid</translation>
    </message>
    <message>
        <source>No connection to the controller at %1</source>
        <translation>No connection to the controller at %1</translation>
    </message>
    <message>
        <source>The controller at %1 does not answer</source>
        <translation>The controller at %1 does not answer</translation>
    </message>
    <message>
        <source>Unknown mode %1</source>
        <translation>Unknown mode %1</translation>
    </message>
    <message>
        <source>Unknown state %1</source>
        <translation>Unknown state %1</translation>
    </message>
    <message>
        <source>Unknown error %1</source>
        <translation>Unknown error %1</translation>
    </message>
    <message>
        <source>Values as of %1</source>
        <translation>Values as of %1</translation>
    </message>
    <message>
        <source>Trying again now (attempt %1).</source>
        <translation>Trying again now (attempt %1).</translation>
    </message>
    <message>
        <source>Trying again in %1 s (attempt %2).</source>
        <translation>Trying again in %1 s (attempt %2).</translation>
    </message>
    <message>
        <source>“%1” was not sent: no connection to the controller.</source>
        <translation>“%1” was not sent: no connection to the controller.</translation>
    </message>
    <message>
        <source>The trace file cannot be written: %1</source>
        <translation>The trace file cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Initialization</source>
        <translation>Initialization</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Trade</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Washing</source>
        <translation>Washing</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Start mode</source>
        <translation>Start mode</translation>
    </message>
    <message>
        <source>Water systerm diagnostic</source>
        <translation>Water system diagnostic</translation>
    </message>
    <message>
        <source>Boiler diagnostic</source>
        <translation>Boiler diagnostic</translation>
    </message>
    <message>
        <source>Sugar dispenser diagnostic</source>
        <translation>Sugar dispenser diagnostic</translation>
    </message>
    <message>
        <source>Cup dispenser diagnostic</source>
        <translation>Cup dispenser diagnostic</translation>
    </message>
    <message>
        <source>Cofe group diagnostic</source>
        <translation>Coffee group diagnostic</translation>
    </message>
    <message>
        <source>Garbage container diagnostic</source>
        <translation>Garbage container diagnostic</translation>
    </message>
    <message>
        <source>Mixer 1 diagnostic</source>
        <translation>Mixer 1 diagnostic</translation>
    </message>
    <message>
        <source>Mixer 2 diagnostic</source>
        <translation>Mixer 2 diagnostic</translation>
    </message>
    <message>
        <source>Mixer 3 diagnostic</source>
        <translation>Mixer 3 diagnostic</translation>
    </message>
    <message>
        <source>Mixer 4 diagnostic</source>
        <translation>Mixer 4 diagnostic</translation>
    </message>
    <message>
        <source>Water selector diagnostic</source>
        <translation>Water selector diagnostic</translation>
    </message>
    <message>
        <source>Start cooking cycle</source>
        <translation>Start cooking cycle</translation>
    </message>
    <message>
        <source>Going in initial state at the beginning of the cooking cycle</source>
        <translation>Going to the initial state at the beginning of the cooking cycle</translation>
    </message>
    <message>
        <source>Strait of water after inactivity</source>
        <translation>Straight water after inactivity</translation>
    </message>
    <message>
        <source>Strait of water in progress</source>
        <translation>Straight water in progress</translation>
    </message>
    <message>
        <source>Cycle start issuing cup</source>
        <translation>Starting the cup issuing cycle</translation>
    </message>
    <message>
        <source>Cycle issuing cup in progress</source>
        <translation>Cup issuing cycle in progress</translation>
    </message>
    <message>
        <source>Cycle start issuing sugar</source>
        <translation>Starting the sugar issuing cycle</translation>
    </message>
    <message>
        <source>Cycle issuing sugar in progress</source>
        <translation>Sugar issuing cycle in progress</translation>
    </message>
    <message>
        <source>Issuance of sugar</source>
        <translation>Issuing sugar</translation>
    </message>
    <message>
        <source>Start the cycle of ingredients prepare</source>
        <translation>Starting the ingredient preparation cycle</translation>
    </message>
    <message>
        <source>Start pause before the next ingredient</source>
        <translation>Starting the pause before the next ingredient</translation>
    </message>
    <message>
        <source>Pause before the next ingredien</source>
        <translation>Pause before the next ingredient</translation>
    </message>
    <message>
        <source>Starting the cycle of coffee group</source>
        <translation>Starting the coffee group&apos;s cycle</translation>
    </message>
    <message>
        <source>Waiting the cycle of cofefe group</source>
        <translation>Waiting for the coffee group&apos;s cycle</translation>
    </message>
    <message>
        <source>Heating water for coffee group</source>
        <translation>Heating water for the coffee group</translation>
    </message>
    <message>
        <source>Strait water in coffee group</source>
        <translation>Straight water into the coffee group</translation>
    </message>
    <message>
        <source>Coffee group going in initial state</source>
        <translation>Coffee group going to the initial state</translation>
    </message>
    <message>
        <source>Start mixer</source>
        <translation>Start mixer</translation>
    </message>
    <message>
        <source>Wait mixer</source>
        <translation>Waiting for the mixer</translation>
    </message>
    <message>
        <source>Heating water for mixer</source>
        <translation>Heating water for the mixer</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>All correct</source>
        <translation>All correct</translation>
    </message>
    <message>
        <source>Timeout diagnosis</source>
        <translation>Diagnostic timeout</translation>
    </message>
    <message>
        <source>The faulty temperature sensor</source>
        <translation>Faulty temperature sensor</translation>
    </message>
    <message>
        <source>Coffee group not ready at the beginning of the cooking cycle</source>
        <translation>Coffee group not ready at the beginning of the cooking cycle</translation>
    </message>
    <message>
        <source>Water selector not ready at the beginning of the cooking cycle</source>
        <translation>Water selector not ready at the beginning of the cooking cycle</translation>
    </message>
    <message>
        <source>Sugar dispenser not ready at the beginning of the cooking cycle</source>
        <translation>Sugar dispenser not ready at the beginning of the cooking cycle</translation>
    </message>
    <message>
        <source>Cup dispenser not ready at the beginning of the cooking cycle</source>
        <translation>Cup dispenser not ready at the beginning of the cooking cycle</translation>
    </message>
    <message>
        <source>Timeout devices go in initial state</source>
        <translation>Timeout: devices going to the initial state</translation>
    </message>
    <message>
        <source>Boiler not ready at the beginning of the cooking cycle</source>
        <translation>Boiler not ready at the beginning of the cooking cycle</translation>
    </message>
    <message>
        <source>Timeout Cup waiting</source>
        <translation>Timeout waiting for a cup</translation>
    </message>
    <message>
        <source>Mixer not ready</source>
        <translation>Mixer not ready</translation>
    </message>
    <message>
        <source>Timeout heating</source>
        <translation>Heating timeout</translation>
    </message>
    <message>
        <source>Error water system</source>
        <translation>Water system error</translation>
    </message>
    <message>
        <source>Error boiler</source>
        <translation>Boiler error</translation>
    </message>
    <message>
        <source>Error sugar dispenser</source>
        <translation>Sugar dispenser error</translation>
    </message>
    <message>
        <source>Error cup dispenser</source>
        <translation>Cup dispenser error</translation>
    </message>
    <message>
        <source>Error coffee group</source>
        <translation>Coffee group error</translation>
    </message>
    <message>
        <source>Error garbage container</source>
        <translation>Garbage container error</translation>
    </message>
    <message>
        <source>Error mixer 1</source>
        <translation>Mixer 1 error</translation>
    </message>
    <message>
        <source>Error mixer 2</source>
        <translation>Mixer 2 error</translation>
    </message>
    <message>
        <source>Error mixer 3</source>
        <translation>Mixer 3 error</translation>
    </message>
    <message>
        <source>Error mixer 4</source>
        <translation>Mixer 4 error</translation>
    </message>
    <message>
        <source>Error water selector</source>
        <translation>Water selector error</translation>
    </message>
    <message>
        <source> Recept </source>
        <translation> Recipe </translation>
    </message>
</context>
<context>
    <name>Quellaro</name>
    <message>
        <source>Modes</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Recepts</source>
        <translation>Recipes</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Machines…</source>
        <translation>Machines…</translation>
    </message>
    <message>
        <source>Machine: %1 (%2:%3)</source>
        <translation>Machine: %1 (%2:%3)</translation>
    </message>
    <message>
        <source>No machine chosen</source>
        <translation>No machine chosen</translation>
    </message>
</context>
<context>
    <name>ReceptForm</name>
    <message>
        <source>Recept</source>
        <translation>Recipe</translation>
    </message>
    <message>
        <source>The composition of the drink</source>
        <translation>The composition of the drink</translation>
    </message>
    <message>
        <source>Component 1</source>
        <translation>Component 1</translation>
    </message>
    <message>
        <source>Component 2</source>
        <translation>Component 2</translation>
    </message>
    <message>
        <source>Component 3</source>
        <translation>Component 3</translation>
    </message>
    <message>
        <source>Component 4</source>
        <translation>Component 4</translation>
    </message>
    <message>
        <source>The consumption of coffee</source>
        <translation>Amount of coffee</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Water</translation>
    </message>
    <message>
        <source>Sugar</source>
        <translation>Sugar</translation>
    </message>
    <message>
        <source>The name of the drink</source>
        <translation>The name of the drink</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Full name</translation>
    </message>
    <message>
        <source>Short name</source>
        <translation>Short name</translation>
    </message>
    <message>
        <source>Consumption ingredient 1</source>
        <translation>Amount of ingredient 1</translation>
    </message>
    <message>
        <source>Ingredient 1</source>
        <translation>Ingredient 1</translation>
    </message>
    <message>
        <source>Consumption ingredient 2</source>
        <translation>Amount of ingredient 2</translation>
    </message>
    <message>
        <source>Ingredient 2</source>
        <translation>Ingredient 2</translation>
    </message>
    <message>
        <source>Consumption ingredient 3</source>
        <translation>Amount of ingredient 3</translation>
    </message>
    <message>
        <source>Ingredient 3</source>
        <translation>Ingredient 3</translation>
    </message>
    <message>
        <source>Consumption ingredient 4</source>
        <translation>Amount of ingredient 4</translation>
    </message>
    <message>
        <source>Ingredient 4</source>
        <translation>Ingredient 4</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Coffee</source>
        <translation>Coffee</translation>
    </message>
    <message>
        <source>Milk</source>
        <translation>Milk</translation>
    </message>
    <message>
        <source>Chocolate</source>
        <translation>Chocolate</translation>
    </message>
    <message>
        <source>Vanilla</source>
        <translation>Vanilla</translation>
    </message>
    <message>
        <source>Tea</source>
        <translation>Tea</translation>
    </message>
    <message>
        <source>Stored value: %1. It is saved unchanged unless you change this field.</source>
        <translation>Stored value: %1. It is saved unchanged unless you change this field.</translation>
    </message>
</context>
<context>
    <name>ReceptsDialog</name>
    <message>
        <source>Recepts</source>
        <translation>Recipes</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>It is not a regular file.</translation>
    </message>
    <message>
        <source>The file is larger than %1 MB, the most the program reads.</source>
        <translation>The file is larger than %1 MB, the most the program reads.</translation>
    </message>
    <message>
        <source>The file cannot be opened.</source>
        <translation>The file cannot be opened.</translation>
    </message>
    <message>
        <source>The file cannot be read.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>The file cannot be opened for writing.</source>
        <translation>The file cannot be opened for writing.</translation>
    </message>
    <message>
        <source>The file&apos;s owner, group and permissions could not be kept.</source>
        <translation>The file&apos;s owner, group and permissions could not be kept.</translation>
    </message>
    <message>
        <source>Not all of the file could be written.</source>
        <translation>Not all of the file could be written.</translation>
    </message>
    <message>
        <source>The new file could not replace the old one.</source>
        <translation>The new file could not replace the old one.</translation>
    </message>
    <message>
        <source>The elements are nested deeper than %1 levels.</source>
        <translation>The elements are nested deeper than %1 levels.</translation>
    </message>
    <message>
        <source>The file declares entities, which a recipes file never does.</source>
        <translation>The file declares entities, which a recipes file never does.</translation>
    </message>
    <message>
        <source>The file holds more than %1 recipes, the most the program shows.</source>
        <translation>The file holds more than %1 recipes, the most the program shows.</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3)</source>
        <translation>%1 (line %2, column %3)</translation>
    </message>
    <message>
        <source>The recipes file %1 cannot be read: %2</source>
        <translation>The recipes file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Saving is disabled until the file can be read.</source>
        <translation>Saving is disabled until the file can be read.</translation>
    </message>
    <message>
        <source>The recipes could not be saved to %1: %2</source>
        <translation>The recipes could not be saved to %1: %2</translation>
    </message>
    <message>
        <source>The recipes file was changed by another program after it was shown. Overwrite it with what you see here?</source>
        <translation>The recipes file was changed by another program after it was shown. Overwrite it with what you see here?</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Overwrite</translation>
    </message>
    <message numerus="yes">
        <source>The file holds %n thing(s) that the forms cannot show: other elements, attributes or comments, or values beyond a field&apos;s range, which are marked. Save writes them back unchanged; a marked field keeps its value unless you change it.</source>
        <translation>
            <numerusform>The file holds %n thing that the forms cannot show: other elements, attributes or comments, or values beyond a field&apos;s range, which are marked. Save writes them back unchanged; a marked field keeps its value unless you change it.</numerusform>
            <numerusform>The file holds %n things that the forms cannot show: other elements, attributes or comments, or values beyond a field&apos;s range, which are marked. Save writes them back unchanged; a marked field keeps its value unless you change it.</numerusform>
        </translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message numerus="yes">
        <source>Discard your changes to %n recipe(s)?</source>
        <translation>
            <numerusform>Discard your changes to %n recipe?</numerusform>
            <numerusform>Discard your changes to %n recipes?</numerusform>
        </translation>
    </message>
    <message>
        <source> (shares ID %1)</source>
        <translation> (shares ID %1)</translation>
    </message>
    <message>
        <source>The recipes would make a file of %1 bytes, larger than the %2 MB the program reads. Shorten the names or save fewer changes.</source>
        <translation>The recipes would make a file of %1 bytes, larger than the %2 MB the program reads. Shorten the names or save fewer changes.</translation>
    </message>
    <message>
        <source>The file is not valid %1 text.</source>
        <translation>The file is not valid %1 text.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>The controller reported no mode, state or error.</source>
        <translation>The controller reported no mode, state or error.</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>What</source>
        <translation>What</translation>
    </message>
    <message>
        <source>Times seen</source>
        <translation>Times seen</translation>
    </message>
    <message>
        <source>Lasted (h:mm:ss)</source>
        <translation>Lasted (h:mm:ss)</translation>
    </message>
    <message>
        <source>No command was sent.</source>
        <translation>No command was sent.</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>Command</translation>
    </message>
    <message>
        <source>Bytes</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>No boiler temperature was read.</source>
        <translation>No boiler temperature was read.</translation>
    </message>
    <message>
        <source>Boiler temperature curve</source>
        <translation>Boiler temperature curve</translation>
    </message>
    <message>
        <source>Lowest %1 °C, highest %2 °C.</source>
        <translation>Lowest %1 °C, highest %2 °C.</translation>
    </message>
    <message>
        <source>No machine check was made.</source>
        <translation>No machine check was made.</translation>
    </message>
    <message>
        <source>The file holds no results.</source>
        <translation>The file holds no results.</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detail</translation>
    </message>
    <message>
        <source>No recipe value was changed.</source>
        <translation>No recipe value was changed.</translation>
    </message>
    <message>
        <source>Recipe</source>
        <translation>Recipe</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Field</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>Before</translation>
    </message>
    <message>
        <source>After</source>
        <translation>After</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Site</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source>Controller address</source>
        <translation>Controller address</translation>
    </message>
    <message>
        <source>Began</source>
        <translation>Began</translation>
    </message>
    <message>
        <source>Ended</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>%1 (the program stopped without ending the visit)</source>
        <translation>%1 (the program stopped without ending the visit)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>%1 holds no visit (no readable %2)</source>
        <translation>%1 holds no visit (no readable %2)</translation>
    </message>
    <message>
        <source>Service report: %1</source>
        <translation>Service report: %1</translation>
    </message>
    <message>
        <source>Machine</source>
        <translation>Machine</translation>
    </message>
    <message>
        <source>Technician&apos;s note</source>
        <translation>Technician&apos;s note</translation>
    </message>
    <message>
        <source>No note.</source>
        <translation>No note.</translation>
    </message>
    <message>
        <source>Visit</source>
        <translation>Visit</translation>
    </message>
    <message>
        <source>Modes, states and errors</source>
        <translation>Modes, states and errors</translation>
    </message>
    <message>
        <source>Commands sent</source>
        <translation>Commands sent</translation>
    </message>
    <message>
        <source>Boiler temperature</source>
        <translation>Boiler temperature</translation>
    </message>
    <message>
        <source>Machine check</source>
        <translation>Machine check</translation>
    </message>
    <message>
        <source>Recipe values changed</source>
        <translation>Recipe values changed</translation>
    </message>
    <message>
        <source>%1: the report is written as .pdf or .html</source>
        <translation>%1: the report is written as .pdf or .html</translation>
    </message>
    <message>
        <source>Service report</source>
        <translation>Service report</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 cannot be written</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 cannot be written: %2</translation>
    </message>
    <message>
        <source>expected %1, seen %2</source>
        <translation>expected %1, seen %2</translation>
    </message>
    <message>
        <source> (%1 s)</source>
        <translation> (%1 s)</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Step</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Network settings</source>
        <translation>Network settings</translation>
    </message>
    <message>
        <source>IP Adress</source>
        <translation>IP address</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Temperature settings</source>
        <translation>Temperature settings</translation>
    </message>
    <message>
        <source>Boiler temperature C</source>
        <translation>Boiler temperature, °C</translation>
    </message>
    <message>
        <source>Recepts file path</source>
        <translation>Recipes file path</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Open Recepts file</source>
        <translation>Open recipes file</translation>
    </message>
    <message>
        <source>Recepts files (*.xml);;</source>
        <translation>Recipes files (*.xml);;</translation>
    </message>
    <message>
        <source>The port %1 cannot be used: give a number from 1 to 65535.</source>
        <translation>The port %1 cannot be used: give a number from 1 to 65535.</translation>
    </message>
    <message>
        <source>The settings were not saved: the settings file %1 could not be written.</source>
        <translation>The settings were not saved: the settings file %1 could not be written.</translation>
    </message>
    <message>
        <source>The stored temperature %1 is outside the range from 0 to %2: it is kept unless you change it.</source>
        <translation>The stored temperature %1 is outside the range from 0 to %2: it is kept unless you change it.</translation>
    </message>
    <message>
        <source>The recipes dialog uses a new path from the program&apos;s next start.</source>
        <translation>The recipes dialog uses a new path from the program&apos;s next start.</translation>
    </message>
    <message>
        <source>Discard your changes to the settings?</source>
        <translation>Discard your changes to the settings?</translation>
    </message>
    <message>
        <source>The stored temperature %1 is not a whole number from 0 to %2: it is kept unless you change it.</source>
        <translation>The stored temperature %1 is not a whole number from 0 to %2: it is kept unless you change it.</translation>
    </message>
    <message>
        <source>The address %1 cannot be used: give four numbers from 0 to 255 separated by dots, a host name or an IPv6 address.</source>
        <translation>The address %1 cannot be used: give four numbers from 0 to 255 separated by dots, a host name or an IPv6 address.</translation>
    </message>
    <message>
        <source>The address %1 holds a port: give the address alone here and the port in the port field.</source>
        <translation>The address %1 includes a port: give the address alone here and the port in the port field.</translation>
    </message>
</context>
<context>
    <name>ShowInputsDialog</name>
    <message>
        <source>Test inputs</source>
        <translation>Test inputs</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Power is On</source>
        <translation>Power is On</translation>
    </message>
    <message>
        <source>Water level is full</source>
        <translation>Water level is full</translation>
    </message>
    <message>
        <source>Water selector in initial state</source>
        <translation>Water selector in initial state</translation>
    </message>
    <message>
        <source>Water selector in referent point</source>
        <translation>Water selector at the reference point</translation>
    </message>
    <message>
        <source>Water sensor counter</source>
        <translation>Water sensor counter</translation>
    </message>
    <message>
        <source>Dispenser cup in initial state</source>
        <translation>Cup dispenser in initial state</translation>
    </message>
    <message>
        <source>Dispenser cup (cup found)</source>
        <translation>Cup dispenser (cup found)</translation>
    </message>
    <message>
        <source>Dispenser cup (cup in position for out)</source>
        <translation>Cup dispenser (cup in out position)</translation>
    </message>
    <message>
        <source>Dispenser sugar in initial state</source>
        <translation>Sugar dispenser in initial state</translation>
    </message>
    <message>
        <source>Coffee metering is full</source>
        <translation>Coffee metering is full</translation>
    </message>
    <message>
        <source>Cofee group in initial state</source>
        <translation>Coffee group in initial state</translation>
    </message>
    <message>
        <source>Cofee group in work state</source>
        <translation>Coffee group in work state</translation>
    </message>
    <message>
        <source>Garbage container is full</source>
        <translation>Garbage container is full</translation>
    </message>
    <message>
        <source>Diagnostic Button</source>
        <translation>Diagnostic Button</translation>
    </message>
    <message>
        <source>Trade Button</source>
        <translation>Trade Button</translation>
    </message>
    <message>
        <source>Master Button</source>
        <translation>Master Button</translation>
    </message>
    <message>
        <source>Operator Button</source>
        <translation>Operator Button</translation>
    </message>
    <message>
        <source>Washing Button</source>
        <translation>Washing Button</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>ShowOutputsDialog</name>
    <message>
        <source>Test outputs</source>
        <translation>Test outputs</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Water selector On</source>
        <translation>Water selector On</translation>
    </message>
    <message>
        <source>Boiler heating On</source>
        <translation>Boiler heating On</translation>
    </message>
    <message>
        <source>Boiler pump On</source>
        <translation>Boiler pump On</translation>
    </message>
    <message>
        <source>Boiler valve 1 On</source>
        <translation>Boiler valve 1 On</translation>
    </message>
    <message>
        <source>Boiler valve 2 On</source>
        <translation>Boiler valve 2 On</translation>
    </message>
    <message>
        <source>Coffe grinder On</source>
        <translation>Coffee grinder On</translation>
    </message>
    <message>
        <source>Cooler On</source>
        <translation>Cooler On</translation>
    </message>
    <message>
        <source>Coffe metering unload</source>
        <translation>Coffee metering unload</translation>
    </message>
    <message>
        <source>Coffe group On</source>
        <translation>Coffee group On</translation>
    </message>
    <message>
        <source>Dispenser cup rotation</source>
        <translation>Cup dispenser rotation</translation>
    </message>
    <message>
        <source>Dispender cup unload</source>
        <translation>Cup dispenser unload</translation>
    </message>
    <message>
        <source>Dispenser sugar down</source>
        <translation>Sugar dispenser down</translation>
    </message>
    <message>
        <source>Dispenser sugar screw On</source>
        <translation>Sugar dispenser screw On</translation>
    </message>
    <message>
        <source>Mixer 1 Drive On</source>
        <translation>Mixer 1 Drive On</translation>
    </message>
    <message>
        <source>Mixer 1 Screw On</source>
        <translation>Mixer 1 Screw On</translation>
    </message>
    <message>
        <source>Mixer 2 Drive On</source>
        <translation>Mixer 2 Drive On</translation>
    </message>
    <message>
        <source>Mixer 2  Screw On</source>
        <translation>Mixer 2 Screw On</translation>
    </message>
    <message>
        <source>Mixer 3 Drive On</source>
        <translation>Mixer 3 Drive On</translation>
    </message>
    <message>
        <source>Mixer 3 Screw On</source>
        <translation>Mixer 3 Screw On</translation>
    </message>
    <message>
        <source>Mixer 4  Drive On</source>
        <translation>Mixer 4 Drive On</translation>
    </message>
    <message>
        <source>Mixer 4  Screw On</source>
        <translation>Mixer 4 Screw On</translation>
    </message>
    <message>
        <source>Water pump On</source>
        <translation>Water pump On</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>SwitchModeDialog</name>
    <message>
        <source>Modes</source>
        <translation>Modes</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Diagnostic</source>
        <translation>Diagnostic</translation>
    </message>
    <message>
        <source>Trade</source>
        <translation>Trade</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>Operator</translation>
    </message>
    <message>
        <source>Master</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>Washing</source>
        <translation>Washing</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>TemperatureChart</name>
    <message>
        <source>No temperature yet</source>
        <translation>No temperature yet</translation>
    </message>
    <message>
        <source>%1 °C</source>
        <translation>%1 °C</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>Setpoint %1</source>
        <translation>Setpoint %1</translation>
    </message>
</context>
<context>
    <name>TestBoilerDialog</name>
    <message>
        <source>Test boiler</source>
        <translation>Test boiler</translation>
    </message>
    <message>
        <source>The temperature of the boiler</source>
        <translation>The temperature of the boiler</translation>
    </message>
    <message>
        <source>Valve 1</source>
        <translation>Valve 1</translation>
    </message>
    <message>
        <source>Valve 2</source>
        <translation>Valve 2</translation>
    </message>
    <message>
        <source>Boiler On</source>
        <translation>Boiler On</translation>
    </message>
    <message>
        <source>Pump On</source>
        <translation>Pump On</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Inputs/Outputs</translation>
    </message>
    <message>
        <source>Water sensor</source>
        <translation>Water sensor</translation>
    </message>
    <message>
        <source>Boiler heating On</source>
        <translation>Boiler heating On</translation>
    </message>
    <message>
        <source>Boiler pump On</source>
        <translation>Boiler pump On</translation>
    </message>
    <message>
        <source>Cofegroup valve  On</source>
        <translation>Coffee group valve On</translation>
    </message>
    <message>
        <source>Mixer valve On</source>
        <translation>Mixer valve On</translation>
    </message>
    <message>
        <source>Water pump On</source>
        <translation>Water pump On</translation>
    </message>
    <message>
        <source>Water in mixer</source>
        <translation>Water to mixer</translation>
    </message>
    <message>
        <source>Water in cofegroup</source>
        <translation>Water to coffee group</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>TestCofeGroupDialog</name>
    <message>
        <source>Test coffee group</source>
        <translation>Test coffee group</translation>
    </message>
    <message>
        <source>Coffee grinder</source>
        <translation>Coffee grinder</translation>
    </message>
    <message>
        <source>Coffee metering</source>
        <translation>Coffee metering</translation>
    </message>
    <message>
        <source>Coffee group</source>
        <translation>Coffee group</translation>
    </message>
    <message>
        <source>Working cycle</source>
        <translation>Working cycle</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Inputs/Outputs</translation>
    </message>
    <message>
        <source>Coffee group in the initial state</source>
        <translation>Coffee group in the initial state</translation>
    </message>
    <message>
        <source>Coffee group in working condition</source>
        <translation>Coffee group in working condition</translation>
    </message>
    <message>
        <source>Cofee metering is full</source>
        <translation>Coffee metering is full</translation>
    </message>
    <message>
        <source>Coffee grinder is ON</source>
        <translation>Coffee grinder is ON</translation>
    </message>
    <message>
        <source>Coffee metering is ON</source>
        <translation>Coffee metering is ON</translation>
    </message>
    <message>
        <source>Coffee group is ON</source>
        <translation>Coffee group is ON</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>TestCofeMashineDialog</name>
    <message>
        <source>Тестирование</source>
        <translation>Tests</translation>
    </message>
    <message>
        <source>Test devices</source>
        <translation>Test devices</translation>
    </message>
    <message>
        <source>Test water selector</source>
        <translation>Test water selector</translation>
    </message>
    <message>
        <source>Test mixers</source>
        <translation>Test mixers</translation>
    </message>
    <message>
        <source>Test mechanism for issuing</source>
        <translation>Test issuing mechanisms</translation>
    </message>
    <message>
        <source>Test boiler</source>
        <translation>Test boiler</translation>
    </message>
    <message>
        <source>Test coffeegroup</source>
        <translation>Test coffee group</translation>
    </message>
    <message>
        <source>Test drinks</source>
        <translation>Test drinks</translation>
    </message>
    <message>
        <source>Test coffee</source>
        <translation>Test coffee</translation>
    </message>
    <message>
        <source>Test drink 1</source>
        <translation>Test drink 1</translation>
    </message>
    <message>
        <source>Test drink 2</source>
        <translation>Test drink 2</translation>
    </message>
    <message>
        <source>Test drink 3</source>
        <translation>Test drink 3</translation>
    </message>
    <message>
        <source>Test drink 4</source>
        <translation>Test drink 4</translation>
    </message>
    <message>
        <source>Test drink 5</source>
        <translation>Test drink 5</translation>
    </message>
    <message>
        <source>Test drink 6</source>
        <translation>Test drink 6</translation>
    </message>
    <message>
        <source>Test outputs</source>
        <translation>Test outputs</translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation>Outputs</translation>
    </message>
    <message>
        <source>Test inputs</source>
        <translation>Test inputs</translation>
    </message>
    <message>
        <source>Inputs</source>
        <translation>Inputs</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Machine check</source>
        <translation>Machine check</translation>
    </message>
</context>
<context>
    <name>TestDispensorDialog</name>
    <message>
        <source>Test dispensers</source>
        <translation>Test dispensers</translation>
    </message>
    <message>
        <source>Dispenser Paper Cup</source>
        <translation>Paper cup dispenser</translation>
    </message>
    <message>
        <source>Rotation On</source>
        <translation>Rotation On</translation>
    </message>
    <message>
        <source>Paper cup out</source>
        <translation>Paper cup out</translation>
    </message>
    <message>
        <source>Working cycle</source>
        <translation>Working cycle</translation>
    </message>
    <message>
        <source>Dispenser sugar</source>
        <translation>Sugar dispenser</translation>
    </message>
    <message>
        <source>Drive On</source>
        <translation>Drive On</translation>
    </message>
    <message>
        <source>Screw On</source>
        <translation>Screw On</translation>
    </message>
    <message>
        <source>Dispenser Paper Cup ( Inputs/Outputs)</source>
        <translation>Paper cup dispenser (Inputs/Outputs)</translation>
    </message>
    <message>
        <source>Paper cup in initial state</source>
        <translation>Paper cup in initial state</translation>
    </message>
    <message>
        <source>Dispenser paper cup in initial state</source>
        <translation>Paper cup dispenser in initial state</translation>
    </message>
    <message>
        <source>Paper cup in position out</source>
        <translation>Paper cup in out position</translation>
    </message>
    <message>
        <source>Rotation tubes</source>
        <translation>Rotation tubes</translation>
    </message>
    <message>
        <source>Dispenser sugar ( Inputs/Outputs)</source>
        <translation>Sugar dispenser (Inputs/Outputs)</translation>
    </message>
    <message>
        <source>Dispenser sugar in initial state</source>
        <translation>Sugar dispenser in initial state</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>TestDrinkDialog</name>
    <message>
        <source>Test make drinks</source>
        <translation>Test making drinks</translation>
    </message>
    <message>
        <source>Number of drinks</source>
        <translation>Drink number</translation>
    </message>
    <message>
        <source>Amount of sugar</source>
        <translation>Amount of sugar</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Make</source>
        <translation>Make</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>TestMixerDialog</name>
    <message>
        <source>Test mixers</source>
        <translation>Test mixers</translation>
    </message>
    <message>
        <source>Mixer 1</source>
        <translation>Mixer 1</translation>
    </message>
    <message>
        <source>Drive On</source>
        <translation>Drive On</translation>
    </message>
    <message>
        <source>Screw On</source>
        <translation>Screw On</translation>
    </message>
    <message>
        <source>Mixer 2</source>
        <translation>Mixer 2</translation>
    </message>
    <message>
        <source>Mixer 3</source>
        <translation>Mixer 3</translation>
    </message>
    <message>
        <source>Mixer 4</source>
        <translation>Mixer 4</translation>
    </message>
    <message>
        <source>Mixer 1 (Outputs)</source>
        <translation>Mixer 1 (Outputs)</translation>
    </message>
    <message>
        <source>Mixer 2 (Outputs)</source>
        <translation>Mixer 2 (Outputs)</translation>
    </message>
    <message>
        <source>Mixer 3 (Outputs)</source>
        <translation>Mixer 3 (Outputs)</translation>
    </message>
    <message>
        <source>Mixer 4 (Outputs)</source>
        <translation>Mixer 4 (Outputs)</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>TestSelectorWaterDialog</name>
    <message>
        <source>Test water selector</source>
        <translation>Test water selector</translation>
    </message>
    <message>
        <source>Test selector 1</source>
        <translation>Test selector 1</translation>
    </message>
    <message>
        <source>Test selector 2</source>
        <translation>Test selector 2</translation>
    </message>
    <message>
        <source>Test selector 3</source>
        <translation>Test selector 3</translation>
    </message>
    <message>
        <source>Test selector 4</source>
        <translation>Test selector 4</translation>
    </message>
    <message>
        <source>Test selector cofee</source>
        <translation>Test selector coffee</translation>
    </message>
    <message>
        <source>Test drive</source>
        <translation>Test drive</translation>
    </message>
    <message>
        <source>Selector in initial state</source>
        <translation>Selector in initial state</translation>
    </message>
    <message>
        <source>Inputs/Outputs</source>
        <translation>Inputs/Outputs</translation>
    </message>
    <message>
        <source>Selector in referent point</source>
        <translation>Selector at the reference point</translation>
    </message>
    <message>
        <source>Water sensor</source>
        <translation>Water sensor</translation>
    </message>
    <message>
        <source>Drive selector is On</source>
        <translation>Selector drive is On</translation>
    </message>
    <message>
        <source>Current mode</source>
        <translation>Current mode</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
</context>
<context>
    <name>Visits</name>
    <message>
        <source>No errors</source>
        <translation>No errors</translation>
    </message>
    <message>
        <source>Errors seen</source>
        <translation>Errors seen</translation>
    </message>
    <message>
        <source>No connection</source>
        <translation>No connection</translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation>Not finished</translation>
    </message>
</context>
</TS>
