<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>ColumnTitles</name>
    <message>
        <source>Ground</source>
        <translation>Ground</translation>
    </message>
    <message>
        <source>Striking</source>
        <translation>Striking</translation>
    </message>
    <message>
        <source>Defense</source>
        <translation>Defense</translation>
    </message>
    <message>
        <source>Fitness</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Mental</source>
        <translation>Mental</translation>
    </message>
    <message>
        <source>Overall</source>
        <translation>Overall</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Full name</translation>
    </message>
    <message>
        <source>Common name</source>
        <translation>Common name</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>Game plan</source>
        <translation>Game plan</translation>
    </message>
    <message>
        <source>Ground game plan</source>
        <translation>Ground game plan</translation>
    </message>
    <message>
        <source>Clinch game plan</source>
        <translation>Clinch game plan</translation>
    </message>
    <message>
        <source>Fight style</source>
        <translation>Fight style</translation>
    </message>
    <message>
        <source>Fancy strikes</source>
        <translation>Fancy strikes</translation>
    </message>
    <message>
        <source>Fancy submissions</source>
        <translation>Fancy submissions</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>Team</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Weight</source>
        <translation>Weight</translation>
    </message>
    <message>
        <source>Nationality</source>
        <translation>Nationality</translation>
    </message>
    <message>
        <source>Birth date</source>
        <translation>Birth date</translation>
    </message>
    <message>
        <source>Sherdog ID</source>
        <translation>Sherdog ID</translation>
    </message>
    <message>
        <source>Punches</source>
        <translation>Punches</translation>
    </message>
    <message>
        <source>Kicks</source>
        <translation>Kicks</translation>
    </message>
    <message>
        <source>Strength</source>
        <translation>Strength</translation>
    </message>
    <message>
        <source>Clinch</source>
        <translation>Clinch</translation>
    </message>
    <message>
        <source>Agility</source>
        <translation>Agility</translation>
    </message>
    <message>
        <source>Dodge</source>
        <translation>Dodge</translation>
    </message>
    <message>
        <source>Motivation</source>
        <translation>Motivation</translation>
    </message>
    <message>
        <source>Takedowns</source>
        <translation>Takedowns</translation>
    </message>
    <message>
        <source>Takedown defence</source>
        <translation>Takedown defence</translation>
    </message>
    <message>
        <source>Ground and pound</source>
        <translation>Ground and pound</translation>
    </message>
    <message>
        <source>Submissions</source>
        <translation>Submissions</translation>
    </message>
    <message>
        <source>Submission defence</source>
        <translation>Submission defence</translation>
    </message>
    <message>
        <source>Stamina</source>
        <translation>Stamina</translation>
    </message>
    <message>
        <source>Fortitude</source>
        <translation>Fortitude</translation>
    </message>
    <message>
        <source>Pace</source>
        <translation>Pace</translation>
    </message>
    <message>
        <source>Aggressiveness</source>
        <translation>Aggressiveness</translation>
    </message>
    <message>
        <source>KO resistance</source>
        <translation>KO resistance</translation>
    </message>
    <message>
        <source>Ground game</source>
        <translation>Ground game</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
</context>
<context>
    <name>RefusalWords</name>
    <message>
        <source>%1: a NUL cannot be part of a file name</source>
        <translation>%1: a NUL cannot be part of a file name</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; leaves the Fighters folder</source>
        <translation>%1: &quot;%2&quot; leaves the Fighters folder</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is also the file of another edited fighter</source>
        <translation>%1: &quot;%2&quot; is also the file of another edited fighter</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: the file cannot be read: %2</translation>
    </message>
    <message>
        <source>%1: %2 already exists</source>
        <translation>%1: %2 already exists</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is not an integer from %3 to %4</source>
        <translation>%1: &quot;%2&quot; is not an integer from %3 to %4</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is neither an entry of the list nor an integer</source>
        <translation>%1: &quot;%2&quot; is neither an entry of the list nor an integer</translation>
    </message>
    <message>
        <source>%1: JEX fighters cannot have the Go to the ground game plan</source>
        <translation>%1: JEX fighters cannot have the Go to the ground game plan</translation>
    </message>
    <message>
        <source>%1: a line break cannot go into a line of a fighter file</source>
        <translation>%1: a line break cannot go into a line of a fighter file</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; is a character a fighter file cannot hold</source>
        <translation>%1: &quot;%2&quot; is a character a fighter file cannot hold</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; has no category folder in %3 mode</source>
        <translation>%1: &quot;%2&quot; has no category folder in %3 mode</translation>
    </message>
    <message>
        <source>%1: a new fighter needs this field</source>
        <translation>%1: a new fighter needs this field</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; cannot name a fighter file</source>
        <translation>%1: &quot;%2&quot; cannot name a fighter file</translation>
    </message>
</context>
<context>
    <name>beditor::EditorWindow</name>
    <message>
        <source>The fighter was saved, but its old file could not be removed:
%1
The fighter is now in two category folders.</source>
        <translation>The fighter was saved, but its old file could not be removed:
%1
The fighter is now in two category folders.</translation>
    </message>
    <message>
        <source>Old file not removed</source>
        <translation>Old file not removed</translation>
    </message>
</context>
<context>
    <name>beditor::RosterTableModel</name>
    <message>
        <source>edit %1</source>
        <translation>edit %1</translation>
    </message>
    <message>
        <source>Created the team file Team/%1.txt</source>
        <translation>Created the team file Team/%1.txt</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Moved %1 to %2</source>
        <translation>Moved %1 to %2</translation>
    </message>
    <message>
        <source>Created %1</source>
        <translation>Created %1</translation>
    </message>
    <message>
        <source>%1 was written to %2, but the old file could not be removed, so the fighter is in both folders: %3</source>
        <translation>%1 was written to %2, but the old file could not be removed, so the fighter is in both folders: %3</translation>
    </message>
    <message>
        <source>Saving stopped while writing %1: %2</source>
        <translation>Saving stopped while writing %1: %2</translation>
    </message>
    <message>
        <source>%1 is untouched; %2 files were written whole before it; the edits after it are kept.</source>
        <translation>%1 is untouched; %2 files were written whole before it; the edits after it are kept.</translation>
    </message>
    <message>
        <source>Saved: %1 changed, %2 moved, %3 created</source>
        <translation>Saved: %1 changed, %2 moved, %3 created</translation>
    </message>
    <message>
        <source>line %1: %2: %3</source>
        <translation>line %1: %2: %3</translation>
    </message>
    <message>
        <source>error</source>
        <translation>error</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>warning</translation>
    </message>
    <message>
        <source>Changed on disk since it was read, not overwritten: read again, with its edits on top; save again to write them: %1</source>
        <translation>Changed on disk since it was read, not overwritten: read again, with its edits on top; save again to write them: %1</translation>
    </message>
    <message>
        <source>Could not be read to check for changes, not saved (its edits are kept): %1</source>
        <translation>Could not be read to check for changes, not saved (its edits are kept): %1</translation>
    </message>
    <message>
        <source>Nothing to save</source>
        <translation>Nothing to save</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>The file on disk can no longer be loaded: the row shows it as it was read, and its edits are kept, unsaved, until the file is mended.</source>
        <translation>The file on disk can no longer be loaded: the row shows it as it was read, and its edits are kept, unsaved, until the file is mended.</translation>
    </message>
    <message>
        <source>Gone from disk (moved or deleted by another program).</source>
        <translation>Gone from disk (moved or deleted by another program).</translation>
    </message>
    <message>
        <source>Changed here and in the file: here &quot;%1&quot;, in the file &quot;%2&quot;, before &quot;%3&quot;. Keep yours or take the file&apos;s (right-click).</source>
        <translation>Changed here and in the file: here &quot;%1&quot;, in the file &quot;%2&quot;, before &quot;%3&quot;. Keep yours or take the file&apos;s (right-click).</translation>
    </message>
    <message>
        <source>discard the edits of fighters gone from disk</source>
        <translation>discard the edits of fighters gone from disk</translation>
    </message>
    <message>
        <source>%1: changed here and in the file to different values in %2; not saved until you keep yours or take the file&apos;s (right-click the marked cell)</source>
        <translation>%1: changed here and in the file to different values in %2; not saved until you keep yours or take the file&apos;s (right-click the marked cell)</translation>
    </message>
    <message>
        <source>Gone from disk (moved or deleted by another program), its edits cannot be saved: %1. Edit &gt; Discard edits of gone fighters takes them back.</source>
        <translation>Gone from disk (moved or deleted by another program), its edits cannot be saved: %1. Edit &gt; Discard edits of gone fighters takes them back.</translation>
    </message>
    <message>
        <source>Can no longer be loaded from disk (another program left it broken): its edits are kept, unsaved, and the row is read again once the file is mended: %1</source>
        <translation>Can no longer be loaded from disk (another program left it broken): its edits are kept, unsaved, and the row is read again once the file is mended: %1</translation>
    </message>
    <message numerus="yes">
        <source>The edits of %n fighter(s) gone from disk are kept, unsaved (Edit &gt; Discard edits of gone fighters)</source>
        <translation>
            <numerusform>The edits of %n fighter gone from disk are kept, unsaved (Edit &gt; Discard edits of gone fighters)</numerusform>
            <numerusform>The edits of %n fighters gone from disk are kept, unsaved (Edit &gt; Discard edits of gone fighters)</numerusform>
        </translation>
    </message>
    <message>
        <source>New fighter from the roster update: the next save creates the file (Keep mine takes it back).</source>
        <translation>New fighter from the roster update: the next save creates the file (Keep mine takes it back).</translation>
    </message>
    <message>
        <source>Changed here and in the roster update: here &quot;%1&quot;, in the update &quot;%2&quot;, before &quot;%3&quot;. Keep yours or take the update&apos;s (right-click).</source>
        <translation>Changed here and in the roster update: here &quot;%1&quot;, in the update &quot;%2&quot;, before &quot;%3&quot;. Keep yours or take the update&apos;s (right-click).</translation>
    </message>
    <message>
        <source>From the roster update; before: &quot;%1&quot; (Keep mine takes it back).</source>
        <translation>From the roster update; before: &quot;%1&quot; (Keep mine takes it back).</translation>
    </message>
    <message>
        <source>Save or discard your edits first: a roster update is shown as edits of its own.</source>
        <translation>Save or discard your edits first: a roster update is shown as edits of its own.</translation>
    </message>
    <message>
        <source>The roster is still being read: take the update once it is read.</source>
        <translation>The roster is still being read: take the update once it is read.</translation>
    </message>
    <message>
        <source>The update %1 is not a program folder: it has no Fighters folder.</source>
        <translation>The update %1 is not a program folder: it has no Fighters folder.</translation>
    </message>
    <message>
        <source>%1 is the roster&apos;s own program folder, not an update.</source>
        <translation>%1 is the roster&apos;s own program folder, not an update.</translation>
    </message>
    <message>
        <source>The update %1 is not a folder.</source>
        <translation>The update %1 is not a folder.</translation>
    </message>
    <message>
        <source>in the update: %1</source>
        <translation>in the update: %1</translation>
    </message>
    <message>
        <source>The update was not shown: a category folder could not be listed, and a roster is not compared by half.
%1</source>
        <translation>The update was not shown: a category folder could not be listed, and a roster is not compared by half.
%1</translation>
    </message>
    <message>
        <source>The update was not shown:
%1</source>
        <translation>The update was not shown:
%1</translation>
    </message>
    <message>
        <source>The roster update changes nothing here.</source>
        <translation>The roster update changes nothing here.</translation>
    </message>
    <message>
        <source>take the roster update</source>
        <translation>take the roster update</translation>
    </message>
    <message>
        <source>Roster update shown, to save or undo: %1 changed fields in %2 fighters (%3 moved by their category), %4 new fighters, %5 team files to copy.</source>
        <translation>Roster update shown, to save or undo: %1 changed fields in %2 fighters (%3 moved by their category), %4 new fighters, %5 team files to copy.</translation>
    </message>
    <message>
        <source>The update puts these fighters under another file name, or in a folder other than their category&apos;s, which the window cannot do as an edit; their other changes are shown:
%1</source>
        <translation>The update puts these fighters under another file name, or in a folder other than their category&apos;s, which the window cannot do as an edit; their other changes are shown:
%1</translation>
    </message>
    <message>
        <source>new fighter</source>
        <translation>new fighter</translation>
    </message>
    <message>
        <source>take back a new fighter</source>
        <translation>take back a new fighter</translation>
    </message>
    <message>
        <source>team files to copy</source>
        <translation>team files to copy</translation>
    </message>
    <message numerus="yes">
        <source>%n team file(s) created</source>
        <translation>
            <numerusform>%n team file created</numerusform>
            <numerusform>%n team files created</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>beditor::RosterWindow</name>
    <message>
        <source>Filter by name, team or nationality</source>
        <translation>Filter by name, team or nationality</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Category</translation>
    </message>
    <message>
        <source>All categories</source>
        <translation>All categories</translation>
    </message>
    <message>
        <source>F&amp;ilter:</source>
        <translation>F&amp;ilter:</translation>
    </message>
    <message>
        <source>C&amp;ategory:</source>
        <translation>C&amp;ategory:</translation>
    </message>
    <message>
        <source>Roster</source>
        <translation>Roster</translation>
    </message>
    <message>
        <source>The roster has unsaved edits.</source>
        <translation>The roster has unsaved edits.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Open in editor</source>
        <translation>&amp;Open in editor</translation>
    </message>
    <message>
        <source>E&amp;xport to spreadsheet...</source>
        <translation>E&amp;xport to spreadsheet...</translation>
    </message>
    <message>
        <source>Export to spreadsheet</source>
        <translation>Export to spreadsheet</translation>
    </message>
    <message>
        <source>Spreadsheet workbook (*.xlsx)</source>
        <translation>Spreadsheet workbook (*.xlsx)</translation>
    </message>
    <message>
        <source>%1 fighters exported to %2</source>
        <translation>%1 fighters exported to %2</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message>
        <source>&amp;Filter</source>
        <translation>&amp;Filter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>%1 %2
The fighters of a BEditor program folder in one table.</source>
        <translation>%1 %2
The fighters of a BEditor program folder in one table.</translation>
    </message>
    <message>
        <source>Reading the roster... (Esc stops)</source>
        <translation>Reading the roster... (Esc stops)</translation>
    </message>
    <message>
        <source>Stopped: %1 of %2 fighters read</source>
        <translation>Stopped: %1 of %2 fighters read</translation>
    </message>
    <message>
        <source>%1 of %2 fighters</source>
        <translation>%1 of %2 fighters</translation>
    </message>
    <message>
        <source>%1 error</source>
        <translation>%1 error</translation>
    </message>
    <message>
        <source>%1 errors</source>
        <translation>%1 errors</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 warning</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 warnings</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>There is no editor in the roster&apos;s program folder, so the fighter was not opened: %1</source>
        <translation>There is no editor in the roster&apos;s program folder, so the fighter was not opened: %1</translation>
    </message>
    <message>
        <source>Opened %1 in the editor</source>
        <translation>Opened %1 in the editor</translation>
    </message>
    <message>
        <source>The editor could not be started: %1</source>
        <translation>The editor could not be started: %1</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Discard</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Keep mine</source>
        <translation>&amp;Keep mine</translation>
    </message>
    <message>
        <source>Your value is kept: the next save writes it</source>
        <translation>Your value is kept: the next save writes it</translation>
    </message>
    <message>
        <source>&amp;Take the file&apos;s</source>
        <translation>&amp;Take the file&apos;s</translation>
    </message>
    <message>
        <source>&amp;Discard edits of gone fighters</source>
        <translation>&amp;Discard edits of gone fighters</translation>
    </message>
    <message numerus="yes">
        <source>The edits of %n fighter(s) gone from disk are discarded</source>
        <translation>
            <numerusform>The edits of %n fighter gone from disk are discarded</numerusform>
            <numerusform>The edits of %n fighters gone from disk are discarded</numerusform>
        </translation>
    </message>
    <message>
        <source>Changed here and in the file, keep yours or take the file&apos;s: %1</source>
        <translation>Changed here and in the file, keep yours or take the file&apos;s: %1</translation>
    </message>
    <message>
        <source>Take a roster &amp;update...</source>
        <translation>Take a roster &amp;update...</translation>
    </message>
    <message>
        <source>The update&apos;s change is taken back</source>
        <translation>The update&apos;s change is taken back</translation>
    </message>
    <message>
        <source>The roster is still being read: take the update once it is read.</source>
        <translation>The roster is still being read: take the update once it is read.</translation>
    </message>
    <message>
        <source>Save or discard your edits first: a roster update is shown as edits of its own.</source>
        <translation>Save or discard your edits first: a roster update is shown as edits of its own.</translation>
    </message>
    <message>
        <source>The roster update&apos;s folder (a copy of its Fighters and Team folders)</source>
        <translation>The roster update&apos;s folder (a copy of its Fighters and Team folders)</translation>
    </message>
    <message>
        <source>%1 is a new fighter of the roster update: save it before opening it in the editor</source>
        <translation>%1 is a new fighter of the roster update: save it before opening it in the editor</translation>
    </message>
</context>
</TS>
