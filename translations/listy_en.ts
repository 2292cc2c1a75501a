<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="pl_PL">
<context>
    <name>db</name>
    <message>
        <source>Syntax error: Masterfields not build of a=b;... pairs</source>
        <translation>Syntax error: Masterfields not build of a=b;... pairs</translation>
    </message>
    <message>
        <source>no query specified</source>
        <translation>no query specified</translation>
    </message>
</context>
<context>
    <name>print::CarCards</name>
    <message>
        <source>Wagenkarte A6</source>
        <translation>Car card A6</translation>
    </message>
    <message>
        <source>FREMO:87 (127×104)</source>
        <translation>FREMO:87 (127×104)</translation>
    </message>
    <message>
        <source>N-RE (46×70)</source>
        <translation>N-RE (46×70)</translation>
    </message>
    <message>
        <source>Własny…</source>
        <translation>Custom…</translation>
    </message>
    <message>
        <source>Długość: </source>
        <translation>Length: </translation>
    </message>
    <message>
        <source>Prędkość: </source>
        <translation>Speed: </translation>
    </message>
    <message>
        <source>Właściciel: </source>
        <translation>Owner: </translation>
    </message>
    <message>
        <source>Stacja macierzysta: </source>
        <translation>Home station: </translation>
    </message>
    <message>
        <source>List przewozowy</source>
        <translation>Waybill</translation>
    </message>
    <message>
        <source>Karta musi mieć co najmniej 40 × 40 mm.</source>
        <translation>The card must be at least 40 × 40 mm.</translation>
    </message>
    <message>
        <source>Karty wagonów</source>
        <translation>Car cards</translation>
    </message>
</context>
<context>
    <name>print::Card</name>
    <message>
        <source>Stacja odbioru</source>
        <translation>Receiving station</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Rodzaj wagonu</source>
        <translation>Wagon type</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Shipper</translation>
    </message>
    <message>
        <source>Stacja nadania</source>
        <translation>Sending station</translation>
    </message>
    <message>
        <source>Próżny</source>
        <translation>Empty</translation>
    </message>
    <message>
        <source>Listy przewozowe</source>
        <translation>Waybills</translation>
    </message>
</context>
<context>
    <name>print::CardFormat</name>
    <message>
        <source>Listy 45×65 (16 na A4)</source>
        <translation>Waybills 45×65 (16 per A4)</translation>
    </message>
    <message>
        <source>H0-Europa 90×45 (12 na A4)</source>
        <translation>H0-Europa 90×45 (12 per A4)</translation>
    </message>
    <message>
        <source>FREMO:87 90×57 (10 na A4)</source>
        <translation>FREMO:87 90×57 (10 per A4)</translation>
    </message>
    <message>
        <source>Wizytówki 85×54 (10 na A4)</source>
        <translation>Business cards 85×54 (10 per A4)</translation>
    </message>
    <message>
        <source>N-RE 66×42</source>
        <translation>N-RE 66×42</translation>
    </message>
    <message>
        <source>Własny…</source>
        <translation>Custom…</translation>
    </message>
    <message>
        <source>Wymiary karty muszą być większe od zera.</source>
        <translation>The card&apos;s dimensions must be greater than zero.</translation>
    </message>
    <message>
        <source>Karta %1 nie mieści się na arkuszu %2%3 (marginesy %4 mm).</source>
        <translation>The card %1 does not fit on the sheet %2%3 (margins %4 mm).</translation>
    </message>
    <message>
        <source> poziomo</source>
        <translation> landscape</translation>
    </message>
    <message>
        <source>Karta nie mieści się na arkuszu.</source>
        <translation>The card does not fit on the sheet.</translation>
    </message>
    <message>
        <source>Karta %1 jest za mała na napisy listu przewozowego (pas stacji musi mieć co najmniej %2 mm szerokości i %3 mm wysokości).</source>
        <translation>The card %1 is too small for the texts of a waybill (a station band must be at least %2 mm wide and %3 mm high).</translation>
    </message>
</context>
<context>
    <name>print::PrintOptions</name>
    <message>
        <source>%1: brak wartości</source>
        <translation>%1: value missing</translation>
    </message>
    <message>
        <source>%1: ta opcja nie przyjmuje wartości</source>
        <translation>%1: this option takes no value</translation>
    </message>
    <message>
        <source>--card-format: format to listy, h0-europa, fremo87, wizytowki albo n-re, a nie &apos;%1&apos;</source>
        <translation>--card-format: the format is listy, h0-europa, fremo87, wizytowki or n-re, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--paper: papier to a4 albo letter, a nie &apos;%1&apos;</source>
        <translation>--paper: the paper is a4 or letter, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--order: kolejność to listed, sending albo receiving, a nie &apos;%1&apos;</source>
        <translation>--order: the order is listed, sending or receiving, not &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--first-slot: pierwsze pole to liczba od 1 do %1, a nie &apos;%2&apos;</source>
        <translation>--first-slot: the first slot is a number from 1 to %1, not &apos;%2&apos;</translation>
    </message>
    <message>
        <source>  --card-format NAZWA   format kart: listy (45×65, domyślny), h0-europa (90×45),
                        fremo87 (90×57), wizytowki (85×54), n-re (66×42)
  --paper PAPIER        a4 (domyślny) albo letter
  --fold                list składany: na odwrocie karta zwrotna próżnego wagonu
  --first-slot N        pierwsza karta w polu N pierwszego arkusza (1-16 przy
                        kartach listy, ile pól ma arkusz przy innych formatach)
  --order KOLEJNOŚĆ     listed (jak na liście), sending (wg stacji nadania),
                        receiving (wg stacji odbioru)
  --return-cards        karta zwrotna próżnego wagonu po każdej kopii
  --letter-codes        kody literowe kolorów na pasach stacji
  --toner-saver         bez szarego tła kart, z wyraźną linią cięcia
</source>
        <translation>  --card-format NAME    card format: listy (45×65, default), h0-europa (90×45),
                        fremo87 (90×57), wizytowki (85×54), n-re (66×42)
  --paper PAPER         a4 (default) or letter
  --fold                folded waybill: the empty wagon&apos;s return card on the back
  --first-slot N        first card in slot N of the first sheet (1-16 for
                        waybill cards, as many slots as the sheet has for others)
  --order ORDER         listed (as in the list), sending (by sending station),
                        receiving (by receiving station)
  --return-cards        an empty wagon&apos;s return card after every copy
  --letter-codes        letter codes of the colours on the station bands
  --toner-saver         no grey card background, a clear cutting line
</translation>
    </message>
</context>
<context>
    <name>print::QtPrintService</name>
    <message>
        <source>Nie ma zainstalowanej drukarki</source>
        <translation>No printer is installed</translation>
    </message>
    <message>
        <source>Nie ma drukarki o numerze %1</source>
        <translation>There is no printer number %1</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku: %1</source>
        <translation>Cannot start printing: %1</translation>
    </message>
    <message>
        <source>Nie można rozpocząć nowej strony wydruku</source>
        <translation>Cannot start a new page of the print</translation>
    </message>
    <message>
        <source>Nie można zakończyć wydruku</source>
        <translation>Cannot finish printing</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1</source>
        <translation>Cannot save the file %1</translation>
    </message>
</context>
<context>
    <name>listy</name>
    <message>
        <source>Nie można otworzyć pliku %1 do kopii</source>
        <translation>Cannot open the file %1 for the backup</translation>
    </message>
    <message>
        <source>Nie można założyć katalogu kopii %1: %2</source>
        <translation>Cannot create the backup folder %1: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii w %1: %2</source>
        <translation>Cannot save the backup in %1: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii w %1</source>
        <translation>Cannot save the backup in %1</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii %1: %2</source>
        <translation>Cannot save the backup %1: %2</translation>
    </message>
    <message>
        <source>Nie można nadać nazwy kopii w %1</source>
        <translation>Cannot name the backup in %1</translation>
    </message>
    <message>
        <source>Baza danych nie jest otwarta: nie można przywrócić kopii</source>
        <translation>The database is not open: the backup cannot be restored</translation>
    </message>
    <message>
        <source>Otwarta jest transakcja (przeglądarka SQL): zakończ ją przed przywróceniem kopii</source>
        <translation>A transaction is open (SQL browser): end it before restoring the backup</translation>
    </message>
    <message>
        <source>Nie można otworzyć kopii %1</source>
        <translation>Cannot open the backup %1</translation>
    </message>
    <message>
        <source>Kopia %1 jest uszkodzona (%2); baza pozostała bez zmian</source>
        <translation>The backup %1 is damaged (%2); the database was left unchanged</translation>
    </message>
    <message>
        <source>Plik %1 nie jest bazą programu Listy; baza pozostała bez zmian</source>
        <translation>The file %1 is not a Listy database; the database was left unchanged</translation>
    </message>
    <message>
        <source>Nie można przywrócić kopii %1</source>
        <translation>Cannot restore the backup %1</translation>
    </message>
    <message>
        <source>… i %1 dalszych</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>%1: nic nie zapisano, bo odrzucono %2 pozycję:</source>
        <translation>%1: nothing saved, because %2 entry was refused:</translation>
    </message>
    <message>
        <source>%1: nic nie zapisano, bo odrzucono %2 pozycji:</source>
        <translation>%1: nothing saved, because %2 entries were refused:</translation>
    </message>
    <message>
        <source>%1: dodano %2, pominięto jako już obecne %3, odrzucono 0.</source>
        <translation>%1: %2 added, %3 skipped as already present, 0 refused.</translation>
    </message>
    <message>
        <source>%1: dodano %2, pominięto %3</source>
        <translation>%1: %2 added, %3 skipped</translation>
    </message>
    <message>
        <source>Nic nie dodano.</source>
        <translation>Nothing added.</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Notes:</translation>
    </message>
    <message>
        <source>%1: stacja %2 już jest, z kolorem %3; kolor %4 z pliku pominięto</source>
        <translation>%1: the station %2 is already there, with the colour %3; the colour %4 from the file was skipped</translation>
    </message>
    <message>
        <source>%1: wagon %2 już jest na liście, z innymi danymi; dane z pliku pominięto</source>
        <translation>%1: the wagon %2 is already on the list, with other data; the data from the file were skipped</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest zablokowany przez inny program dłużej, niż program czeka. Zamknij tamten program albo zakończ jego zmianę i spróbuj ponownie.</source>
        <translation>The database file %1 is locked by another program for longer than the program waits. Close that program or finish its change and try again.</translation>
    </message>
    <message>
        <source>Pliku bazy danych %1 nie można zmienić: plik albo jego katalog jest tylko do odczytu. Nic nie zapisano.</source>
        <translation>The database file %1 cannot be changed: the file or its folder is read-only. Nothing was saved.</translation>
    </message>
    <message>
        <source>Na dysku z plikiem bazy danych %1 zabrakło miejsca. Nic nie zapisano; zwolnij miejsce i spróbuj ponownie.</source>
        <translation>The disk with the database file %1 is full. Nothing was saved; free some space and try again.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest uszkodzony. Przywróć kopię zapasową albo skopiuj dane w przeglądarce SQL do nowej bazy.</source>
        <translation>The database file %1 is damaged. Restore a backup or copy the data into a new database in the SQL browser.</translation>
    </message>
    <message>
        <source>Plik %1 nie jest bazą danych. Nic w nim nie zmieniono.</source>
        <translation>The file %1 is not a database. Nothing in it was changed.</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku bazy danych %1 (brak pliku lub katalogu, brak dostępu albo katalog zamiast pliku).</source>
        <translation>Cannot open the database file %1 (no such file or folder, no access, or a folder instead of a file).</translation>
    </message>
    <message>
        <source>Nie można cofnąć: %1.
Inny program zmienił od tej pory te wiersze (tabela %2, wiersz %3). Nic nie zostało zmienione.</source>
        <translation>Cannot undo: %1.
Another program has changed these rows since (table %2, row %3). Nothing was changed.</translation>
    </message>
    <message>
        <source>Nie można ponowić: %1.
Inny program zmienił od tej pory te wiersze (tabela %2, wiersz %3). Nic nie zostało zmienione.</source>
        <translation>Cannot redo: %1.
Another program has changed these rows since (table %2, row %3). Nothing was changed.</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku %1</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>%1: plik jest za duży (%2 bajtów, najwięcej %3)</source>
        <translation>%1: the file is too large (%2 bytes, at most %3)</translation>
    </message>
    <message>
        <source>Plik %1 był zapisany w starym formacie (SQLite 2) i został przekształcony do obecnego formatu: tabel %2, wierszy %3. Oryginalny plik zachowano bez zmian jako %4.</source>
        <translation>The file %1 was saved in the old format (SQLite 2) and has been converted to the present format: %2 tables, %3 rows. The original file was kept unchanged as %4.</translation>
    </message>
    <message>
        <source> W kolumnach liczbowych zapisano jako liczby %1 wartości podane tekstem (na przykład &quot;007&quot; jako 7).</source>
        <translation> In numeric columns %1 values given as text were stored as numbers (for example &quot;007&quot; as 7).</translation>
    </message>
    <message>
        <source>stacje</source>
        <translation>stations</translation>
    </message>
    <message>
        <source>nadawcy/odbiorcy</source>
        <translation>shippers/receivers</translation>
    </message>
    <message>
        <source>listy (stacja nadania)</source>
        <translation>waybills (sending station)</translation>
    </message>
    <message>
        <source>listy (stacja odbioru)</source>
        <translation>waybills (receiving station)</translation>
    </message>
    <message>
        <source>listy (nadawca)</source>
        <translation>waybills (shipper)</translation>
    </message>
    <message>
        <source>listy (odbiorca)</source>
        <translation>waybills (receiver)</translation>
    </message>
    <message>
        <source>ładunki</source>
        <translation>loads</translation>
    </message>
    <message>
        <source>listy (ładunek)</source>
        <translation>waybills (load)</translation>
    </message>
    <message>
        <source>Nazwa „%1” poprawiona na „%2”.</source>
        <translation>Name “%1” corrected to “%2”.</translation>
    </message>
    <message>
        <source>Żaden wiersz nie nosił tej nazwy.</source>
        <translation>No row had this name.</translation>
    </message>
    <message>
        <source>Zmienione wiersze:</source>
        <translation>Changed rows:</translation>
    </message>
    <message>
        <source>poprawa nazwy stacji %1 na %2</source>
        <translation>renaming the station %1 to %2</translation>
    </message>
    <message>
        <source>poprawa nazwy nadawcy/odbiorcy %1 na %2</source>
        <translation>renaming the shipper/receiver %1 to %2</translation>
    </message>
    <message>
        <source>poprawa nazwy ładunku %1 na %2</source>
        <translation>renaming the load %1 to %2</translation>
    </message>
    <message>
        <source>Liczba kopii musi być od 1 do 999</source>
        <translation>The number of copies must be from 1 to 999</translation>
    </message>
    <message>
        <source>powielenie listu nr %1 (%2)</source>
        <translation>copying waybill no. %1 (%2)</translation>
    </message>
    <message>
        <source>List nr %1 nie jest już w bazie</source>
        <translation>Waybill no. %1 is no longer in the database</translation>
    </message>
    <message>
        <source>Nie można odczytać katalogu roboczego (%1). Uruchom program w istniejącym katalogu.</source>
        <translation>Cannot read the working folder (%1). Start the program in a folder that exists.</translation>
    </message>
    <message>
        <source> Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim zapisana.</source>
        <translation> It was opened read-only: no change will be saved in it.</translation>
    </message>
    <message>
        <source>Nie można otworzyć bazy danych %1: pod tą nazwą jest katalog, nie plik. Zmień nazwę katalogu albo uruchom program w innym katalogu.</source>
        <translation>Cannot open the database %1: there is a folder of that name, not a file. Rename the folder or start the program in another folder.</translation>
    </message>
    <message>
        <source>Nie można założyć pliku bazy danych %1: katalog %2 jest tylko do odczytu. Uruchom program w katalogu, w którym wolno zapisywać.</source>
        <translation>Cannot create the database file %1: the folder %2 is read-only. Start the program in a folder where writing is allowed.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest zablokowany przez inny program. Zamknij ten program i uruchom Listy ponownie.</source>
        <translation>The database file %1 is locked by another program. Close that program and start Listy again.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest uszkodzony. Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim zapisana. Przywróć kopię zapasową albo skopiuj dane w przeglądarce SQL do nowej bazy.</source>
        <translation>The database file %1 is damaged. It was opened read-only: no change will be saved in it. Restore a backup or copy the data into a new database in the SQL browser.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 pochodzi z nowszej wersji programu (wersja pliku: %2, ten program zna wersje 1 i 2).</source>
        <translation>The database file %1 comes from a newer version of the program (file version: %2, this program knows versions 1 and 2).</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest tylko do odczytu, a trzeba w nim zapisać %2 Nic nie zmieniono.</source>
        <translation>The database file %1 is read-only, but %2 must be written to it. Nothing was changed.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 leży w katalogu tylko do odczytu, a trzeba w nim zapisać %2 Nic nie zmieniono.</source>
        <translation>The database file %1 is in a read-only folder, but %2 must be written to it. Nothing was changed.</translation>
    </message>
    <message>
        <source>nowy schemat bazy.</source>
        <translation>a new database schema</translation>
    </message>
    <message>
        <source>nowy układ tabeli stacji.</source>
        <translation>a new layout of the stations table</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest tylko do odczytu.</source>
        <translation>The database file %1 is read-only.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 leży w katalogu tylko do odczytu (nie można w nim zapisać dziennika zmian).</source>
        <translation>The database file %1 is in a read-only folder (the change journal cannot be written there).</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest uszkodzony: nie można odczytać listy listów przewozowych. Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim zapisana. Przywróć kopię zapasową albo skopiuj dane w przeglądarce SQL do nowej bazy.</source>
        <translation>The database file %1 is damaged: the list of waybills cannot be read. It was opened read-only: no change will be saved in it. Restore a backup or copy the data into a new database in the SQL browser.</translation>
    </message>
    <message>
        <source>dopisanie listu nr %1</source>
        <translation>adding waybill no. %1</translation>
    </message>
    <message>
        <source>zmiana listu nr %1</source>
        <translation>changing waybill no. %1</translation>
    </message>
    <message>
        <source>usunięcie listu nr %1</source>
        <translation>deleting waybill no. %1</translation>
    </message>
    <message>
        <source>skasowanie %1</source>
        <translation>deleting %1</translation>
    </message>
    <message>
        <source>listu</source>
        <translation>waybill</translation>
    </message>
    <message>
        <source>listów</source>
        <translation>waybills</translation>
    </message>
    <message>
        <source>dopisanie stacji %1</source>
        <translation>adding the station %1</translation>
    </message>
    <message>
        <source>zmiana koloru stacji %1</source>
        <translation>changing the colour of the station %1</translation>
    </message>
    <message>
        <source>nadawców/odbiorców</source>
        <translation>shippers/receivers</translation>
    </message>
    <message>
        <source>usunięcie stacji %1, %2 i %3</source>
        <translation>deleting the station %1, %2 and %3</translation>
    </message>
    <message>
        <source>usunięcie stacji %1 i %2</source>
        <translation>deleting the station %1 and %2</translation>
    </message>
    <message>
        <source>usunięcie stacji %1</source>
        <translation>deleting the station %1</translation>
    </message>
    <message>
        <source>dopisanie ładunku %1</source>
        <translation>adding the load %1</translation>
    </message>
    <message>
        <source>usunięcie ładunku %1</source>
        <translation>deleting the load %1</translation>
    </message>
    <message>
        <source>dopisanie nadawcy/odbiorcy %1</source>
        <translation>adding the shipper/receiver %1</translation>
    </message>
    <message>
        <source>usunięcie nadawcy/odbiorcy %1 i %2</source>
        <translation>deleting the shipper/receiver %1 and %2</translation>
    </message>
    <message>
        <source>usunięcie nadawcy/odbiorcy %1</source>
        <translation>deleting the shipper/receiver %1</translation>
    </message>
    <message>
        <source>Wagonu o numerze „%1” nie ma na liście.</source>
        <translation>There is no wagon numbered “%1” on the list.</translation>
    </message>
    <message>
        <source>Numeru „%1” nie da się policzyć dalej.</source>
        <translation>The number “%1” cannot be counted on.</translation>
    </message>
    <message>
        <source>nowa baza</source>
        <translation>new database</translation>
    </message>
    <message>
        <source>import arkusza</source>
        <translation>workbook import</translation>
    </message>
    <message>
        <source>import CSV</source>
        <translation>CSV import</translation>
    </message>
    <message>
        <source>dołączenie bazy %1</source>
        <translation>merging the database %1</translation>
    </message>
    <message>
        <source>przywrócenie kopii %1</source>
        <translation>restoring the backup %1</translation>
    </message>
    <message>
        <source>Wagon musi mieć numer.</source>
        <translation>The wagon must have a number.</translation>
    </message>
    <message>
        <source>Wagon o numerze „%1” już jest na liście.</source>
        <translation>A wagon numbered “%1” is already on the list.</translation>
    </message>
    <message>
        <source>Grupa kolorów „%1” nie ma żadnej litery.</source>
        <translation>The colour group “%1” has no letter.</translation>
    </message>
    <message>
        <source>Stacje</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Shippers/receivers</translation>
    </message>
    <message>
        <source>Ładunki</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>Listy przewozowe</source>
        <translation>Waybills</translation>
    </message>
    <message>
        <source>Wagony</source>
        <translation>Wagons</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV import</translation>
    </message>
    <message>
        <source>Import arkusza</source>
        <translation>Workbook import</translation>
    </message>
    <message>
        <source>Dołączenie bazy</source>
        <translation>Database merge</translation>
    </message>
    <message>
        <source>Nieznany błąd</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>%1: plik ma %2 MiB, więcej niż dopuszczalne %3 MiB; nie został odczytany</source>
        <translation>%1: the file has %2 MiB, more than the allowed %3 MiB; it was not read</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1</source>
        <translation>Cannot save the file %1</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: %2</source>
        <translation>Cannot save the file %1: %2</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku %1: %2</source>
        <translation>Cannot open the file %1: %2</translation>
    </message>
    <message>
        <source>brak pamięci</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>Plik %1 nie jest czytelną bazą danych (%2)</source>
        <translation>The file %1 is not a readable database (%2)</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku %1 (%2)</source>
        <translation>Cannot read the file %1 (%2)</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku %1 w starym formacie: %2</source>
        <translation>Cannot read the file %1 in the old format: %2</translation>
    </message>
    <message>
        <source>Nie ma pliku %1</source>
        <translation>There is no file %1</translation>
    </message>
    <message>
        <source>Plik %1 jest w starym formacie, a obok niego leży plik %1-journal: ostatnia zmiana w nim została przerwana. Plik nie został odczytany</source>
        <translation>The file %1 is in the old format, and beside it lies the file %1-journal: its last change was interrupted. The file was not read</translation>
    </message>
    <message>
        <source>Plik %1 nie jest bazą programu Listy (brak tabel listy, stacje, ladunki i punkty)</source>
        <translation>The file %1 is not a Listy database (the tables listy, stacje, ladunki and punkty are missing)</translation>
    </message>
    <message>
        <source>Definicja tabeli %1 w starym pliku nie jest samym poleceniem CREATE TABLE, więc nie została wykonana. Plik nie został przekształcony i pozostał bez zmian.</source>
        <translation>The definition of the table %1 in the old file is not a plain CREATE TABLE command, so it was not run. The file was not converted and was left unchanged.</translation>
    </message>
    <message>
        <source>Plik %1 jest w starym formacie (SQLite 2), a obok niego leży plik %1-journal: ostatnia zmiana w tym pliku została przerwana. Plik nie został przekształcony; oba pliki pozostały bez zmian</source>
        <translation>The file %1 is in the old format (SQLite 2), and beside it lies the file %1-journal: the last change to this file was interrupted. The file was not converted; both files were left unchanged</translation>
    </message>
    <message>
        <source>Plik %1 jest w starym formacie (SQLite 2), ale jest uszkodzony, więc nie został przekształcony; pozostał bez zmian. Szczegóły: %2</source>
        <translation>The file %1 is in the old format (SQLite 2) but damaged, so it was not converted; it was left unchanged. Details: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii pliku %1 jako %2: %3. Plik nie został przekształcony.</source>
        <translation>Cannot save a copy of the file %1 as %2: %3. The file was not converted.</translation>
    </message>
    <message>
        <source>Nie można zastąpić pliku %1 przekształconym: %2. Plik pozostał bez zmian.</source>
        <translation>Cannot replace the file %1 with the converted one: %2. The file was left unchanged.</translation>
    </message>
    <message>
        <source>stacji nadania „%1”</source>
        <translation>sending station “%1”</translation>
    </message>
    <message>
        <source>nadawcy „%1”</source>
        <translation>shipper “%1”</translation>
    </message>
    <message>
        <source>ładunku „%1”</source>
        <translation>load “%1”</translation>
    </message>
    <message>
        <source>odbiorcy „%1”</source>
        <translation>receiver “%1”</translation>
    </message>
    <message>
        <source>stacji odbioru „%1”</source>
        <translation>receiving station “%1”</translation>
    </message>
    <message>
        <source>%1, wiersz %2</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>%1: list przewozowy zapisano, ale nie ma na listach %2</source>
        <translation>%1: the waybill was saved, but the lists lack %2</translation>
    </message>
    <message>
        <source>wagony (stacja macierzysta)</source>
        <translation>wagons (home station)</translation>
    </message>
    <message>
        <source>relacje (stacja nadania)</source>
        <translation>relations (sending station)</translation>
    </message>
    <message>
        <source>relacje (stacja odbioru)</source>
        <translation>relations (receiving station)</translation>
    </message>
    <message>
        <source>miejsca</source>
        <translation>places</translation>
    </message>
    <message>
        <source>relacje (nadawca)</source>
        <translation>relations (shipper)</translation>
    </message>
    <message>
        <source>relacje (odbiorca)</source>
        <translation>relations (receiver)</translation>
    </message>
    <message>
        <source>relacje (ładunek)</source>
        <translation>relations (load)</translation>
    </message>
    <message>
        <source>dopisanie wagonu %1</source>
        <translation>adding wagon %1</translation>
    </message>
    <message>
        <source>zmiana wagonu %1</source>
        <translation>changing wagon %1</translation>
    </message>
    <message>
        <source>usunięcie wagonu %1</source>
        <translation>deleting wagon %1</translation>
    </message>
    <message>
        <source>powielenie wagonu %1 (%2)</source>
        <translation>copying wagon %1 (%2)</translation>
    </message>
    <message>
        <source>zmiana kolorów kart</source>
        <translation>changing the card colours</translation>
    </message>
    <message>
        <source>Relacje</source>
        <translation>Relations</translation>
    </message>
    <message>
        <source>Miejsca</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>stacja %1 (%2)</source>
        <translation>station %1 (%2)</translation>
    </message>
    <message>
        <source>nadawca/odbiorca %1 (stacja %2)</source>
        <translation>shipper/receiver %1 (station %2)</translation>
    </message>
    <message>
        <source>ładunek %1 (wagony %2)</source>
        <translation>load %1 (wagons %2)</translation>
    </message>
    <message>
        <source>Połączono duplikaty.</source>
        <translation>Duplicates joined.</translation>
    </message>
    <message>
        <source>Usunięte wiersze:</source>
        <translation>Rows removed:</translation>
    </message>
    <message>
        <source>połączenie duplikatów (%1)</source>
        <translation>joining duplicates (%1)</translation>
    </message>
    <message>
        <source>dopisanie relacji %1</source>
        <translation>adding relation %1</translation>
    </message>
    <message>
        <source>zmiana relacji %1</source>
        <translation>changing relation %1</translation>
    </message>
    <message>
        <source>usunięcie relacji nr %1</source>
        <translation>deleting relation no. %1</translation>
    </message>
    <message>
        <source>miejsca %1 (%2): %3</source>
        <translation>places %1 (%2): %3</translation>
    </message>
    <message>
        <source>wygenerowanie %1</source>
        <translation>generating %1</translation>
    </message>
    <message>
        <source>brak stacji</source>
        <translation>station missing</translation>
    </message>
    <message>
        <source>brak nadawcy/odbiorcy</source>
        <translation>shipper/receiver missing</translation>
    </message>
    <message>
        <source>brak ładunku</source>
        <translation>load missing</translation>
    </message>
    <message>
        <source>„%1” (%2): średnio %3 wagonu na dzień ruchu, a miejsc %4</source>
        <translation>&quot;%1&quot; (%2): on average %3 wagons per operating day, but %4 places</translation>
    </message>
    <message>
        <source>Rodzaj wagonu „%1”: %2 listów na tydzień, a wagonów na liście %3</source>
        <translation>Wagon type &quot;%1&quot;: %2 waybills a week, but %3 wagons in the list</translation>
    </message>
    <message>
        <source>Listów: %1 z %2 relacji.</source>
        <translation>Waybills: %1 from %2 relations.</translation>
    </message>
    <message>
        <source>%1: %2 (nadanych %3, odbieranych %4)</source>
        <translation>%1: %2 (sent %3, received %4)</translation>
    </message>
    <message>
        <source>Ostrzeżenia:</source>
        <translation>Warnings:</translation>
    </message>
    <message>
        <source>Pominięte relacje (nazwa już nie istnieje):</source>
        <translation>Relations skipped (a name no longer exists):</translation>
    </message>
    <message>
        <source>W tabeli admin brak licznika %1</source>
        <translation>The table admin lacks the counter %1</translation>
    </message>
    <message>
        <source>Licznik %1 osiągnął największą wartość (%2)</source>
        <translation>The counter %1 has reached its largest value (%2)</translation>
    </message>
    <message>
        <source>plik jest za duży (%1 bajtów, najwięcej %2)</source>
        <translation>the file is too large (%1 bytes, at most %2)</translation>
    </message>
    <message>
        <source>znak NUL (bajt zerowy): to nie jest plik tekstowy</source>
        <translation>NUL character (zero byte): this is not a text file</translation>
    </message>
    <message>
        <source>niedozwolony znak sterujący (kod %1): to nie jest plik tekstowy</source>
        <translation>forbidden control character (code %1): this is not a text file</translation>
    </message>
    <message>
        <source>plik nie jest zapisany w UTF-8 ani w żadnym z kodowań windows-1250, windows-1252, iso-8859-2; podaj kodowanie (możliwe: %1)</source>
        <translation>the file is saved neither in UTF-8 nor in any of the encodings windows-1250, windows-1252, iso-8859-2; give the encoding (possible: %1)</translation>
    </message>
    <message>
        <source>plik nie jest zapisany w UTF-8; podaj jego kodowanie, najbardziej prawdopodobne: %1</source>
        <translation>the file is not saved in UTF-8; give its encoding, the likeliest: %1</translation>
    </message>
    <message>
        <source>bajt %1 nie oznacza żadnego znaku w kodowaniu %2</source>
        <translation>the byte %1 stands for no character in the encoding %2</translation>
    </message>
    <message>
        <source>wartość dłuższa niż %1 znaków (%2)</source>
        <translation>value longer than %1 characters (%2)</translation>
    </message>
    <message>
        <source>plik ma więcej niż %1 wierszy danych</source>
        <translation>the file has more than %1 data rows</translation>
    </message>
    <message>
        <source>cudzysłów otwarty w tym wierszu nie jest zamknięty</source>
        <translation>the quote opened in this line is not closed</translation>
    </message>
    <message>
        <source>po zamykającym cudzysłowie stoi znak zamiast separatora albo końca wiersza (cudzysłów w wartości trzeba podwoić)</source>
        <translation>a character follows the closing quote instead of a separator or the end of the line (a quote in a value must be doubled)</translation>
    </message>
    <message>
        <source>cudzysłów wewnątrz wartości, która nie jest ujęta w cudzysłowy</source>
        <translation>a quote inside a value that is not enclosed in quotes</translation>
    </message>
    <message>
        <source>%1: odczytano w kodowaniu %2</source>
        <translation>%1: read in the encoding %2</translation>
    </message>
    <message>
        <source>%1: %2 (%3) ma już %4 miejsc; liczbę z pliku pominięto</source>
        <translation>%1: %2 (%3) already has %4 places; the number from the file was skipped</translation>
    </message>
    <message>
        <source>Licznik %1 nie ma miejsca na tyle nowych wierszy</source>
        <translation>The counter %1 has no room for so many new rows</translation>
    </message>
    <message>
        <source>nieznany wiersz nagłówka %1; oczekiwano jednego z:%2</source>
        <translation>unknown header row %1; expected one of:%2</translation>
    </message>
    <message>
        <source>brak kolumny %1 (jest %2 z %3)</source>
        <translation>the column %1 is missing (%2 of %3 present)</translation>
    </message>
    <message>
        <source>za dużo kolumn (%1, oczekiwano %2)</source>
        <translation>too many columns (%1, expected %2)</translation>
    </message>
    <message>
        <source>pusta nazwa stacji</source>
        <translation>empty station name</translation>
    </message>
    <message>
        <source>nieznany kolor %1 (dozwolone: clwhite, clred, clyellow, clgreen, clblue, clblack, clbrown, clorange albo nazwy kolorów po polsku, niemiecku lub angielsku)</source>
        <translation>unknown colour %1 (allowed: clwhite, clred, clyellow, clgreen, clblue, clblack, clbrown, clorange or the colour names in Polish, German or English)</translation>
    </message>
    <message>
        <source>pusta nazwa</source>
        <translation>empty name</translation>
    </message>
    <message>
        <source>pusty numer wagonu</source>
        <translation>empty wagon number</translation>
    </message>
    <message>
        <source>nieznany znak prędkości %1 (dozwolone: puste, s, ss)</source>
        <translation>unknown speed mark %1 (allowed: empty, s, ss)</translation>
    </message>
    <message>
        <source>%1 musi być liczbą od 1 do %2, a jest %3</source>
        <translation>%1 must be a number from 1 to %2, but is %3</translation>
    </message>
    <message>
        <source>plik jest pusty (brak wiersza nagłówka)</source>
        <translation>the file is empty (no header row)</translation>
    </message>
    <message>
        <source>%1: plik zawiera tylko wiersz nagłówka (%2), brak wierszy do dodania</source>
        <translation>%1: the file holds only the header row (%2), no rows to add</translation>
    </message>
    <message>
        <source>Istnieje taka stacja</source>
        <translation>There is such a station</translation>
    </message>
    <message>
        <source>Liczba wagonów na tydzień musi być od 1 do 99 (jest %1).</source>
        <translation>The number of wagons per week must be from 1 to 99 (it is %1).</translation>
    </message>
    <message>
        <source>Licznik %1 osiągnął największą wartość.</source>
        <translation>The counter %1 has reached its largest value.</translation>
    </message>
    <message>
        <source>Relacji nr %1 nie ma już w bazie.</source>
        <translation>The relation no. %1 is no longer in the database.</translation>
    </message>
    <message>
        <source>Liczba miejsc musi być od 0 do 999.</source>
        <translation>The number of places must be from 0 to 999.</translation>
    </message>
    <message>
        <source>Okres musi mieć od 1 dnia do 520 tygodni.</source>
        <translation>The period must be from 1 day to 520 weeks long.</translation>
    </message>
    <message>
        <source>Licznik %1 nie pomieści tylu nowych listów.</source>
        <translation>The counter %1 has no room for so many new waybills.</translation>
    </message>
    <message>
        <source>Kolor „%1” nie jest kolorem #rrggbb.</source>
        <translation>The colour “%1” is not a colour #rrggbb.</translation>
    </message>
    <message>
        <source>plik nie jest poprawnym skoroszytem (%1)</source>
        <translation>the file is not a valid workbook (%1)</translation>
    </message>
    <message>
        <source>wpis %1 ma inny rozmiar niż w spisie</source>
        <translation>the entry %1 has another size than in the directory</translation>
    </message>
    <message>
        <source>wpis %1 skoroszytu rozpakowuje się do większego rozmiaru, niż podaje spis archiwum: skoroszyt odrzucono</source>
        <translation>the entry %1 of the workbook unpacks to a larger size than the archive directory gives: the workbook was refused</translation>
    </message>
    <message>
        <source>wpis %1 jest uszkodzony</source>
        <translation>the entry %1 is damaged</translation>
    </message>
    <message>
        <source>wpis %1 jest ucięty</source>
        <translation>the entry %1 is cut short</translation>
    </message>
    <message>
        <source>część %1 nie jest poprawnym XML</source>
        <translation>the part %1 is not valid XML</translation>
    </message>
    <message>
        <source>niepoprawny adres komórki %1</source>
        <translation>invalid cell address %1</translation>
    </message>
    <message>
        <source>skoroszyt zawiera łącza do innych plików (%1); program niczego z zewnątrz nie pobiera — zapisz skoroszyt bez łączy</source>
        <translation>the workbook holds links to other files (%1); the program fetches nothing from outside — save the workbook without links</translation>
    </message>
    <message>
        <source>to nie jest archiwum ZIP</source>
        <translation>this is not a ZIP archive</translation>
    </message>
    <message>
        <source>brak spisu archiwum ZIP</source>
        <translation>the ZIP archive has no directory</translation>
    </message>
    <message>
        <source>skoroszyt w formacie ZIP64 jest za duży dla programu</source>
        <translation>a workbook in the ZIP64 format is too large for the program</translation>
    </message>
    <message>
        <source>skoroszyt ma za dużo części (%1)</source>
        <translation>the workbook has too many parts (%1)</translation>
    </message>
    <message>
        <source>spis archiwum wskazuje poza plik</source>
        <translation>the archive directory points outside the file</translation>
    </message>
    <message>
        <source>uszkodzony spis archiwum</source>
        <translation>damaged archive directory</translation>
    </message>
    <message>
        <source>skoroszyt rozpakowuje się do ponad %1 (według spisu archiwum): skoroszyt odrzucono, nic nie rozpakowano</source>
        <translation>the workbook unpacks to more than %1 (by the archive directory): the workbook was refused, nothing was unpacked</translation>
    </message>
    <message>
        <source>nieznana metoda kompresji wpisu %1</source>
        <translation>unknown compression method of the entry %1</translation>
    </message>
    <message>
        <source>uszkodzony wpis %1</source>
        <translation>damaged entry %1</translation>
    </message>
    <message>
        <source>skoroszyt zawiera łącza do innych skoroszytów (%1); program niczego z zewnątrz nie pobiera — zapisz skoroszyt bez łączy</source>
        <translation>the workbook holds links to other workbooks (%1); the program fetches nothing from outside — save the workbook without links</translation>
    </message>
    <message>
        <source>brak arkuszy .xlsx ani .ods</source>
        <translation>no .xlsx or .ods sheets</translation>
    </message>
    <message>
        <source>%1, arkusz „%2”</source>
        <translation>%1, sheet “%2”</translation>
    </message>
    <message>
        <source>komórka z formułą; formuł program nie oblicza — zapisz w arkuszu same wartości</source>
        <translation>a cell with a formula; the program does not calculate formulas — save only the values in the sheet</translation>
    </message>
    <message>
        <source>arkusz ma więcej niż %1 wierszy danych</source>
        <translation>the sheet has more than %1 data rows</translation>
    </message>
    <message>
        <source>komórka dalej niż w kolumnie %1</source>
        <translation>a cell beyond the column %1</translation>
    </message>
    <message>
        <source>%1: %2 komórek z liczbą, datą lub wartością logiczną odczytano jako tekst (arkusz mógł zmienić ich zapis, np. usunąć zera z przodu)</source>
        <translation>%1: %2 cells with a number, a date or a logical value were read as text (the spreadsheet may have changed how they are written, e.g. dropped leading zeros)</translation>
    </message>
    <message>
        <source>%1: skoroszyt nie zawiera żadnej listy</source>
        <translation>%1: the workbook holds no list</translation>
    </message>
</context>
<context>
    <name>model::FremoColour</name>
    <message>
        <source>Biały (bez znaczenia)</source>
        <translation>White (no meaning)</translation>
    </message>
    <message>
        <source>Czerwony (wojsko, tabor kolejowy, wódka)</source>
        <translation>Red – East (military, rolling stock, vodka)</translation>
    </message>
    <message>
        <source>Żółty (piasek, żwir, wapno, minerały)</source>
        <translation>Yellow – South (sand, gravel, lime, minerals)</translation>
    </message>
    <message>
        <source>Zielony (produkty rolne i leśne, wino)</source>
        <translation>Green – West (farm and forest products, wine)</translation>
    </message>
    <message>
        <source>Niebieski (ryby, cytrusy, kawa, samochody, maszyny, złom)</source>
        <translation>Blue – North (fish, citrus fruit, coffee, cars, machinery, scrap)</translation>
    </message>
    <message>
        <source>Czarny (węgiel, koks, cement, odkuwki, blachy, rury)</source>
        <translation>Black – Ruhr (coal, coke, cement, forgings, sheet metal, pipes)</translation>
    </message>
    <message>
        <source>Brązowy (produkty chemiczne)</source>
        <translation>Brown – Centre (chemical products)</translation>
    </message>
    <message>
        <source>Pomarańczowy - drobnica, papier, tekstylia, meble, spożywcze</source>
        <translation>Orange – general cargo, paper, textiles, furniture, food</translation>
    </message>
</context>
<context>
    <name>ui::Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
</context>
<context>
    <name>ui::CarCardsDialog</name>
    <message>
        <source>Karty wagonów</source>
        <translation>Car cards</translation>
    </message>
    <message>
        <source>Wagon</source>
        <translation>Wagon</translation>
    </message>
    <message>
        <source>Klasa</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>własna formatu</source>
        <translation>the format&apos;s own</translation>
    </message>
    <message>
        <source>&amp;Format karty:</source>
        <translation>Card &amp;format:</translation>
    </message>
    <message>
        <source>&amp;Arkusz:</source>
        <translation>&amp;Sheet:</translation>
    </message>
    <message>
        <source>&amp;Kieszeń na list:</source>
        <translation>&amp;Pocket for the waybill:</translation>
    </message>
    <message>
        <source>&amp;Podgląd</source>
        <translation>Pre&amp;view</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Liczba kopii wagonu %1 musi być liczbą od 0 do %2, a jest „%3”.</source>
        <translation>The number of copies of the wagon %1 must be a number from 0 to %2, but is “%3”.</translation>
    </message>
    <message>
        <source>Karta %1 nie mieści się na arkuszu %2.</source>
        <translation>The card %1 does not fit on the sheet %2.</translation>
    </message>
    <message>
        <source>Karta listu %1 nie mieści się na karcie %2.</source>
        <translation>The waybill card %1 does not fit on the card %2.</translation>
    </message>
    <message>
        <source>Karty wagonów: %1, arkusze: %2</source>
        <translation>Car cards: %1, sheets: %2</translation>
    </message>
    <message>
        <source>Karty wagonów do pliku PDF</source>
        <translation>Car cards to a PDF file</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Własny rozmiar:</source>
        <translation>&amp;Own size:</translation>
    </message>
</context>
<context>
    <name>ui::CardColoursDialog</name>
    <message>
        <source>Kolory kart</source>
        <translation>Card colours</translation>
    </message>
    <message>
        <source>Grupa klas (pierwsze litery)</source>
        <translation>Class group (first letters)</translation>
    </message>
    <message>
        <source>Kolor papieru</source>
        <translation>Paper colour</translation>
    </message>
    <message>
        <source>&amp;Dodaj grupę</source>
        <translation>&amp;Add group</translation>
    </message>
    <message>
        <source>&amp;Usuń grupę</source>
        <translation>&amp;Delete group</translation>
    </message>
    <message>
        <source>&amp;Kolor…</source>
        <translation>&amp;Colour…</translation>
    </message>
</context>
<context>
    <name>cli::CommandLine</name>
    <message>
        <source>Wypisuje ten opis i kończy pracę.</source>
        <translation>Prints this description and exits.</translation>
    </message>
    <message>
        <source>Wypisuje nazwę i wersję programu i kończy pracę.</source>
        <translation>Prints the program&apos;s name and version and exits.</translation>
    </message>
    <message>
        <source>PLIK</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Używa bazy PLIK zamiast ./listy.sdb (każda operacja na plikach, także kopie w katalogu kopie/, dotyczy wtedy tego pliku i jego katalogu). Plik, którego nie ma, zostaje założony z pustą bazą.</source>
        <translation>Uses the database FILE instead of ./listy.sdb (every file operation, the backups in the folder kopie/ too, then concerns this file and its folder). A file that does not exist is created with an empty database.</translation>
    </message>
    <message>
        <source>KATALOG</source>
        <translation>FOLDER</translation>
    </message>
    <message>
        <source>Zapisuje cztery listy do plików listy.csv, stacje.csv, punkty.csv i ladunki.csv w KATALOGU (UTF-8, separator &quot;;&quot;), a gdy baza ma listę wagonów, także wagony.csv.</source>
        <translation>Writes the four lists to the files listy.csv, stacje.csv, punkty.csv and ladunki.csv in FOLDER (UTF-8, separator &quot;;&quot;), and when the database has a wagon list, wagony.csv too.</translation>
    </message>
    <message>
        <source>Zapisuje wszystkie listy do jednego skoroszytu .xlsx, po arkuszu na listę (każda komórka jako tekst).</source>
        <translation>Writes every list to one .xlsx workbook, a sheet per list (every cell as text).</translation>
    </message>
    <message>
        <source>PLIK…</source>
        <translation>FILE…</translation>
    </message>
    <message>
        <source>Dodaje do bazy wiersze z podanych plików CSV i skoroszytów .xlsx i .ods (lista rozpoznawana po wierszu nagłówka, pliki w dowolnej kolejności). Przed zapisem powstaje kopia bazy w katalogu kopie/.</source>
        <translation>Adds the rows of the given CSV files and .xlsx and .ods workbooks to the database (each list recognised by its header row, files in any order). Before writing, a backup of the database is made in the folder kopie/.</translation>
    </message>
    <message>
        <source>To samo co --import.</source>
        <translation>The same as --import.</translation>
    </message>
    <message>
        <source>NAZWA</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Kodowanie plików CSV, które nie są zapisane w UTF-8: utf-8, windows-1250, windows-1252, iso-8859-2 albo iso-8859-1. Bez tej opcji taki plik jest odrzucany, a komunikat podaje najbardziej prawdopodobne kodowania.</source>
        <translation>The encoding of the CSV files that are not saved in UTF-8: utf-8, windows-1250, windows-1252, iso-8859-2 or iso-8859-1. Without this option such a file is refused, and the message names the likeliest encodings.</translation>
    </message>
    <message>
        <source>Dołącza do bazy listy z innego pliku programu Listy (jak „Dołącz bazę…”: te same reguły duplikatów, jedna transakcja). Przed zapisem powstaje kopia bazy w katalogu kopie/.</source>
        <translation>Merges the lists of another Listy file into the database (as “Merge database…”: the same rules for duplicates, one transaction). Before writing, a backup of the database is made in the folder kopie/.</translation>
    </message>
    <message>
        <source>Drukuje wszystkie listy przewozowe jako karty do pliku PDF.</source>
        <translation>Prints every waybill as cards to a PDF file.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Liczba kopii każdego listu dla --print-pdf albo każdej karty wagonu dla --print-car-cards (domyślnie 1).</source>
        <translation>The number of copies of every waybill for --print-pdf or of every car card for --print-car-cards (default 1).</translation>
    </message>
    <message>
        <source>Drukuje karty wszystkich wagonów z listy wagonów do pliku PDF, w kolorach kart zapisanych w bazie.</source>
        <translation>Prints the cards of every wagon of the wagon list to a PDF file, in the card colours stored in the database.</translation>
    </message>
    <message>
        <source>Format kart wagonów dla --print-car-cards: a6 (Wagenkarte A6, domyślny), fremo87, n-re.</source>
        <translation>The car cards&apos; format for --print-car-cards: a6 (car card A6, default), fremo87, n-re.</translation>
    </message>
    <message>
        <source>a4|letter|a6</source>
        <translation>a4|letter|a6</translation>
    </message>
    <message>
        <source>Arkusz dla --print-car-cards (domyślnie a4; karta A6: cztery na A4 bez odstępów, jedna na arkusz A6).</source>
        <translation>The sheet for --print-car-cards (default a4; an A6 card: four on A4 without gaps, one on an A6 sheet).</translation>
    </message>
    <message>
        <source>Język programu w tym uruchomieniu (okna, komunikaty, karty): pl (polski), de (niemiecki), en (angielski). Bez tej opcji język wybrany w menu „Język / Sprache / Language”, a gdy nie wybrano żadnego, polski.</source>
        <translation>The program&apos;s language for this run (windows, messages, cards): pl (Polish), de (German), en (English). Without this option the one chosen in the menu “Język / Sprache / Language”, and when none was chosen, Polish.</translation>
    </message>
    <message>
        <source>Kieszeń karty wagonu dopasowana do kart listów formatu NAZWA (listy, h0-europa, fremo87, wizytowki, n-re); bez niej kieszeń własna formatu.</source>
        <translation>A car card pocket fitting waybill cards of the format NAME (listy, h0-europa, fremo87, wizytowki, n-re); without it the format&apos;s own pocket.</translation>
    </message>
    <message>
        <source>
Układ kart dla --print-pdf (bez nich: układ domyślny, nigdy wybór z okna):
</source>
        <translation>
Card layout for --print-pdf (without these: the default layout, never the window&apos;s choice):
</translation>
    </message>
    <message>
        <source>opcje --car-card-format, --car-paper i --pocket działają tylko razem z --print-car-cards</source>
        <translation>the options --car-card-format, --car-paper and --pocket work only together with --print-car-cards</translation>
    </message>
    <message>
        <source>--car-card-format: nieznany format „%1” (a6, fremo87, n-re)</source>
        <translation>--car-card-format: unknown format “%1” (a6, fremo87, n-re)</translation>
    </message>
    <message>
        <source>--car-paper: nieznany arkusz „%1” (a4, letter, a6)</source>
        <translation>--car-paper: unknown sheet “%1” (a4, letter, a6)</translation>
    </message>
    <message>
        <source>--car-paper: karta %1 nie mieści się na arkuszu %2</source>
        <translation>--car-paper: the card %1 does not fit on the sheet %2</translation>
    </message>
    <message>
        <source>--pocket: nieznany format kart listów „%1”</source>
        <translation>--pocket: unknown waybill card format “%1”</translation>
    </message>
    <message>
        <source>--pocket: karta listu %1 nie mieści się na karcie wagonu</source>
        <translation>--pocket: the waybill card %1 does not fit on the car card</translation>
    </message>
    <message>
        <source>nieznana opcja: %1%2</source>
        <translation>unknown option: %1%2</translation>
    </message>
    <message>
        <source>błąd w wierszu poleceń (brak wartości opcji?): %1</source>
        <translation>error in the command line (an option&apos;s value missing?): %1</translation>
    </message>
    <message>
        <source>opcję --%1 można podać tylko raz</source>
        <translation>the option --%1 may be given only once</translation>
    </message>
    <message>
        <source>opcja --%1 wymaga niepustej wartości</source>
        <translation>the option --%1 needs a value that is not empty</translation>
    </message>
    <message>
        <source>--language: nieznany język „%1” (pl, de, en)</source>
        <translation>--language: unknown language “%1” (pl, de, en)</translation>
    </message>
    <message>
        <source>opcje układu kart (--card-format, --paper, --fold, --first-slot, --order, --return-cards, --letter-codes, --toner-saver) działają tylko razem z --print-pdf</source>
        <translation>the card layout options (--card-format, --paper, --fold, --first-slot, --order, --return-cards, --letter-codes, --toner-saver) work only together with --print-pdf</translation>
    </message>
    <message>
        <source>--encoding: nieznane kodowanie „%1” (możliwe: %2)</source>
        <translation>--encoding: unknown encoding “%1” (possible: %2)</translation>
    </message>
    <message>
        <source>--encoding działa tylko razem z --import albo --import-csv</source>
        <translation>--encoding works only together with --import or --import-csv</translation>
    </message>
    <message>
        <source>nieoczekiwany argument: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>--copies: liczba kopii musi być liczbą całkowitą od 1 do 1000, a jest „%1”</source>
        <translation>--copies: the number of copies must be a whole number from 1 to 1000, but is “%1”</translation>
    </message>
    <message>
        <source>--copies działa tylko razem z --print-pdf albo --print-car-cards</source>
        <translation>--copies works only together with --print-pdf or --print-car-cards</translation>
    </message>
    <message>
        <source>Kopia bazy sprzed importu: </source>
        <translation>Backup of the database before the import: </translation>
    </message>
    <message>
        <source>kodowanie podaje opcja --encoding, np. --encoding windows-1252</source>
        <translation>the option --encoding gives the encoding, e.g. --encoding windows-1252</translation>
    </message>
    <message>
        <source>Kopia bazy sprzed dołączenia: </source>
        <translation>Backup of the database before the merge: </translation>
    </message>
    <message>
        <source>Zapisano %1</source>
        <translation>Saved %1</translation>
    </message>
    <message>
        <source>Zapisano %1 kart do pliku %2</source>
        <translation>Saved %1 cards to the file %2</translation>
    </message>
    <message>
        <source>Zapisano %1 kart wagonów do pliku %2</source>
        <translation>Saved %1 car cards to the file %2</translation>
    </message>
    <message>
        <source>listy --help opisuje opcje.</source>
        <translation>listy --help describes the options.</translation>
    </message>
    <message>
        <source>TYGODNIE</source>
        <translation>WEEKS</translation>
    </message>
    <message>
        <source>Tworzy listy przewozowe z relacji (menu Ruch → Relacje…) na TYGODNIE tygodni (1–520): z każdej relacji tyle listów, ile wagonów na tydzień razy tygodnie, w kolejności wylosowanej, jak „Generuj listy…”. Przed zapisem powstaje kopia bazy w katalogu kopie/; na koniec podsumowanie dla każdej stacji.</source>
        <translation>Makes waybills from the relations (menu Traffic → Relations…) for WEEKS weeks (1–520): from each relation as many waybills as its wagons per week times the weeks, in a shuffled order, as &quot;Generate waybills…&quot; does. A backup is written into kopie/ first; at the end a summary per station.</translation>
    </message>
    <message>
        <source>Z --generate: listy na N dni ruchu (1–3640) zamiast tygodni; dzień to siódma część tygodnia, a ułamki zaokrągla metoda największych reszt, tak by suma była dokładna.</source>
        <translation>With --generate: waybills for N operating days (1–3640) instead of weeks; a day is one seventh of a week, and fractions are rounded by largest remainder so that the total is exact.</translation>
    </message>
    <message>
        <source>Z --generate: ziarno losowania kolejności (liczba całkowita 0–18446744073709551615); to samo ziarno na tej samej bazie daje te same listy w tej samej kolejności. Bez tej opcji ziarno jest losowe i zostaje wypisane.</source>
        <translation>With --generate: the seed of the shuffle (a whole number 0–18446744073709551615); the same seed on the same database gives the same waybills in the same order. Without it the seed is random and is printed.</translation>
    </message>
    <message>
        <source>Z --generate: tylko relacje nadawane na stacji NAZWA albo do niej odbierane; można podać kilka razy.</source>
        <translation>With --generate: only relations sent from or received at station NAME; may be given several times.</translation>
    </message>
    <message>
        <source>Użycie: listy [opcje]
Listy przewozowe: wagonowe listy przewozowe na sesje ruchowe FREMO.
Bez poleceń otwiera okno programu. Polecenia --export-csv, --export-xlsx, --import,
--merge, --generate, --print-pdf i --print-car-cards działają bez okna i bez ekranu;
kończą się stanem 0, a przy błędzie
komunikatem na standardowym wyjściu błędów i stanem różnym od 0.

Opcje:
</source>
        <translation>Usage: listy [options]
Listy: freight waybills for FREMO operating sessions.
Without a command it opens the program&apos;s window. The commands --export-csv, --export-xlsx,
--import, --merge, --generate, --print-pdf and --print-car-cards work without a window and
without a screen; they end with status 0, and on an error with a message on standard error
and a status other than 0.

Options:
</translation>
    </message>
    <message>
        <source>
Przykłady:
  listy --database spotkanie.sdb --export-csv wymiana
  listy --database spotkanie.sdb --import-csv wymiana/*.csv
  listy --database spotkanie.sdb --import plan.xlsx --encoding windows-1252 dk.csv
  listy --database spotkanie.sdb --merge modul-kowalskiego.sdb
  listy --print-pdf karty.pdf --copies 2
  listy --print-pdf karty.pdf --order sending --first-slot 5 --letter-codes
  listy --print-pdf karty.pdf --card-format h0-europa --paper letter --fold
  listy --print-car-cards wagony.pdf --car-card-format a6 --car-paper a4
  listy --generate 1 --seed 42 --station Gliwice --print-pdf stos.pdf
</source>
        <translation>
Examples:
  listy --database meeting.sdb --export-csv exchange
  listy --database meeting.sdb --import-csv exchange/*.csv
  listy --database meeting.sdb --import plan.xlsx --encoding windows-1252 dk.csv
  listy --database meeting.sdb --merge module-smith.sdb
  listy --print-pdf cards.pdf --copies 2
  listy --print-pdf cards.pdf --order sending --first-slot 5 --letter-codes
  listy --print-pdf cards.pdf --card-format h0-europa --paper letter --fold
  listy --print-car-cards wagons.pdf --car-card-format a6 --car-paper a4
  listy --generate 1 --seed 42 --station Gliwice --print-pdf stack.pdf
  listy --language en --print-pdf cards.pdf
</translation>
    </message>
    <message>
        <source>opcje --days, --seed i --station działają tylko razem z --generate</source>
        <translation>the options --days, --seed and --station work only together with --generate</translation>
    </message>
    <message>
        <source>--%1: liczba musi być całkowita od %2 do %3, a jest „%4”</source>
        <translation>--%1: the number must be whole, from %2 to %3, but is &quot;%4&quot;</translation>
    </message>
    <message>
        <source>--seed: ziarno musi być liczbą całkowitą nieujemną, a jest „%1”</source>
        <translation>--seed: the seed must be a whole number of 0 or more, but is &quot;%1&quot;</translation>
    </message>
    <message>
        <source>opcja --station wymaga niepustej wartości</source>
        <translation>the option --station needs a value that is not empty</translation>
    </message>
    <message>
        <source>--station: w bazie nie ma stacji „%1”</source>
        <translation>--station: the database has no station &quot;%1&quot;</translation>
    </message>
    <message>
        <source>Ziarno losowania: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>Kopia bazy sprzed generowania: %1</source>
        <translation>Backup before generating: %1</translation>
    </message>
</context>
<context>
    <name>ui::Dialogs</name>
    <message>
        <source>Informacja</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>BŁĄD</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Pytanie</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Transakcja jest otwarta. Zatwierdzić zmiany?</source>
        <translation>A transaction is open. Commit the changes?</translation>
    </message>
</context>
<context>
    <name>ui::DuplicatesDialog</name>
    <message>
        <source>Stacje</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Shippers/receivers</translation>
    </message>
    <message>
        <source>Ładunki</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source> (stacja %1)</source>
        <translation> (station %1)</translation>
    </message>
    <message>
        <source> (wagony %1)</source>
        <translation> (wagons %1)</translation>
    </message>
    <message>
        <source>Popraw nazwę</source>
        <translation>Correct a name</translation>
    </message>
    <message>
        <source>Nowa nazwa:</source>
        <translation>New name:</translation>
    </message>
    <message>
        <source>Rodzaj wagonu:</source>
        <translation>Wagon type:</translation>
    </message>
    <message>
        <source>Popraw nazwę…</source>
        <translation>Correct a name…</translation>
    </message>
    <message>
        <source>Połącz duplikaty</source>
        <translation>Join duplicates</translation>
    </message>
    <message>
        <source>Te nazwy wyglądają na jedną rzecz. Zaznaczone grupy zostaną połączone pod nazwą z kolumny „Zostaje”; listy przewozowe nie są usuwane.</source>
        <translation>These names look like one thing. The ticked groups are joined under the name in the &quot;Kept&quot; column; waybills are not removed.</translation>
    </message>
    <message>
        <source>Połączyć</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>Zostaje</source>
        <translation>Kept</translation>
    </message>
    <message>
        <source>Nazwy w grupie</source>
        <translation>Names in the group</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>różne kolory: %1 (zostaje kolor zachowanej nazwy)</source>
        <translation>different colours: %1 (the kept name&apos;s colour stays)</translation>
    </message>
    <message>
        <source>Połącz</source>
        <translation>Join</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Nie znaleziono duplikatów.</source>
        <translation>No duplicates found.</translation>
    </message>
</context>
<context>
    <name>ui::EncodingDialog</name>
    <message>
        <source>Kodowanie pliku %1</source>
        <translation>Encoding of the file %1</translation>
    </message>
    <message>
        <source>Plik %1 nie jest zapisany w UTF-8. Wybierz kodowanie, w którym wszystkie litery wyglądają dobrze (pierwsze jest najbardziej prawdopodobne):</source>
        <translation>The file %1 is not saved in UTF-8. Choose the encoding in which every letter looks right (the first is the likeliest):</translation>
    </message>
    <message>
        <source>Wczytaj jako %1</source>
        <translation>Read as %1</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ui::ExchangeDialogs</name>
    <message>
        <source>Eksport CSV – katalog na pliki</source>
        <translation>CSV export – folder for the files</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV import</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv);;Wszystkie pliki (*)</source>
        <translation>CSV files (*.csv);;All files (*)</translation>
    </message>
    <message>
        <source>Dołącz bazę</source>
        <translation>Merge database</translation>
    </message>
    <message>
        <source>Bazy Listy (*.sdb);;Wszystkie pliki (*)</source>
        <translation>Listy databases (*.sdb);;All files (*)</translation>
    </message>
    <message>
        <source> kB</source>
        <translation> kB</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>Eksport arkusza</source>
        <translation>Workbook export</translation>
    </message>
    <message>
        <source>Skoroszyty Excel (*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Import arkusza</source>
        <translation>Workbook import</translation>
    </message>
    <message>
        <source>Arkusze i pliki CSV (*.xlsx *.ods *.csv);;Wszystkie pliki (*)</source>
        <translation>Workbooks and CSV files (*.xlsx *.ods *.csv);;All files (*)</translation>
    </message>
</context>
<context>
    <name>ui::FindDialog</name>
    <message>
        <source>Szukaj</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>&amp;Szukaj:</source>
        <translation>&amp;Find:</translation>
    </message>
    <message>
        <source>&amp;Następny</source>
        <translation>&amp;Next</translation>
    </message>
    <message>
        <source>&amp;Poprzedni</source>
        <translation>&amp;Previous</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Wpisz szukany tekst.</source>
        <translation>Type the text to find.</translation>
    </message>
    <message>
        <source>Nie znaleziono „%1”.</source>
        <translation>“%1” not found.</translation>
    </message>
    <message>
        <source>Szukanie wróciło na początek listy.</source>
        <translation>The search went back to the start of the list.</translation>
    </message>
    <message>
        <source>Szukanie wróciło na koniec listy.</source>
        <translation>The search went back to the end of the list.</translation>
    </message>
</context>
<context>
    <name>ui::GenerateDialog</name>
    <message>
        <source>Generuj listy</source>
        <translation>Generate waybills</translation>
    </message>
    <message>
        <source>&amp;tygodnie:</source>
        <translation>&amp;weeks:</translation>
    </message>
    <message>
        <source>&amp;dni ruchu:</source>
        <translation>&amp;operating days:</translation>
    </message>
    <message>
        <source>Okres:</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>Stacje (żadna zaznaczona: wszystkie):</source>
        <translation>Stations (none ticked: all):</translation>
    </message>
    <message>
        <source>&amp;Losuj ponownie</source>
        <translation>Shuffle &amp;again</translation>
    </message>
    <message>
        <source>&amp;Ziarno losowania:</source>
        <translation>&amp;Seed:</translation>
    </message>
    <message>
        <source>Stacja nadania</source>
        <translation>Sending station</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Shipper</translation>
    </message>
    <message>
        <source>Rodzaj wagonu</source>
        <translation>Wagon type</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Stacja odbioru</source>
        <translation>Receiving station</translation>
    </message>
    <message>
        <source>&amp;Generuj</source>
        <translation>&amp;Generate</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Listów: %1 z %2 relacji.</source>
        <translation>Waybills: %1 from %2 relations.</translation>
    </message>
    <message>
        <source>Pominiętych relacji: %1.</source>
        <translation>Relations skipped: %1.</translation>
    </message>
    <message>
        <source>Ostrzeżeń: %1.</source>
        <translation>Warnings: %1.</translation>
    </message>
    <message>
        <source>Ziarno losowania: %1</source>
        <translation>Seed: %1</translation>
    </message>
    <message>
        <source>Kopia bazy sprzed generowania: %1</source>
        <translation>Backup before generating: %1</translation>
    </message>
</context>
<context>
    <name>ui::GridColumn</name>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Rodzaj wag.</source>
        <translation>Wagon type</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Shipper</translation>
    </message>
    <message>
        <source>Stacja nad</source>
        <translation>Sending st.</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Stacja odb.</source>
        <translation>Receiving st.</translation>
    </message>
    <message>
        <source>Stacja</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Nadawca/odbiorca</source>
        <translation>Shipper/receiver</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Klasa</source>
        <translation>Class</translation>
    </message>
    <message>
        <source>Właściciel</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Stacja macierzysta</source>
        <translation>Home station</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>Prędkość</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Stacja nadania</source>
        <translation>Sending station</translation>
    </message>
    <message>
        <source>Rodzaj wagonu</source>
        <translation>Wagon type</translation>
    </message>
    <message>
        <source>Stacja odbioru</source>
        <translation>Receiving station</translation>
    </message>
    <message>
        <source>Wagonów na tydzień</source>
        <translation>Wagons per week</translation>
    </message>
    <message>
        <source>Braki</source>
        <translation>Missing</translation>
    </message>
</context>
<context>
    <name>ui::HelpMenu</name>
    <message>
        <source>  Alt+podkreślona litera – otwiera menu
</source>
        <translation>  Alt+underlined letter – opens the menu
</translation>
    </message>
    <message>
        <source>
Esc zamyka każde okno oprócz głównego.</source>
        <translation>
Esc closes every window but the main one.</translation>
    </message>
    <message>
        <source>Listy przewozowe %1
Wagonowe listy przewozowe na sesje ruchowe kolei modelowej.

SQLite %2, Qt %3
Plik bazy: %4</source>
        <translation>Listy %1
Freight waybills for model railway operating sessions.

SQLite %2, Qt %3
Database file: %4</translation>
    </message>
    <message>
        <source>Nie znaleziono podręcznika (podrecznik.md) przy programie.</source>
        <translation>The user&apos;s guide (podrecznik.md) was not found with the program.</translation>
    </message>
    <message>
        <source>Nie udało się otworzyć podręcznika %1 w przeglądarce.</source>
        <translation>The guide %1 could not be opened in the browser.</translation>
    </message>
    <message>
        <source>Skróty klawiszowe</source>
        <translation>Keyboard shortcuts</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Pomo&amp;c</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Podręcznik użytkownika</source>
        <translation>User&apos;s guide</translation>
    </message>
</context>
<context>
    <name>ui::Keys</name>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Spacja</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Ctrl</translation>
    </message>
</context>
<context>
    <name>ui::LoadsWindow</name>
    <message>
        <source>Ładunki</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Wagony</source>
        <translation>Wagons</translation>
    </message>
    <message>
        <source>Dopisz</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>Listy przewozowe</source>
        <translation>Waybills</translation>
    </message>
    <message>
        <source>Listy</source>
        <translation>Waybills</translation>
    </message>
    <message>
        <source>Stacja nadania</source>
        <translation>Sending station</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Shipper</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Typ wagonu</source>
        <translation>Wagon type</translation>
    </message>
    <message>
        <source>Stacja odbioru</source>
        <translation>Receiving station</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Nowy list</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zatwierdź</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Plik</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Wyjscie</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>&amp;Wydruk</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Wydruk listów</source>
        <translation>Print waybills</translation>
    </message>
    <message>
        <source>P&amp;arametry</source>
        <translation>P&amp;arameters</translation>
    </message>
    <message>
        <source>Stacje</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Shippers/receivers</translation>
    </message>
    <message>
        <source>Ładunki</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>&amp;Baza</source>
        <translation>Data&amp;base</translation>
    </message>
    <message>
        <source>Kasowanie zawartości/Nowa baza</source>
        <translation>Erase contents/New database</translation>
    </message>
    <message>
        <source>Kasowanie listów</source>
        <translation>Delete waybills</translation>
    </message>
    <message>
        <source>Przeglądarka</source>
        <translation>SQL browser</translation>
    </message>
    <message>
        <source>&amp;Ruch</source>
        <translation>&amp;Traffic</translation>
    </message>
    <message>
        <source>Wagony…</source>
        <translation>Wagons…</translation>
    </message>
    <message>
        <source>Pytanie</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>Skasować list przewozowy?</source>
        <translation>Delete the waybill?</translation>
    </message>
    <message>
        <source>List przewozowy ZOSTAŁ skasowany.</source>
        <translation>The waybill HAS BEEN deleted.</translation>
    </message>
    <message>
        <source>List przewozowy NIE skasowany.</source>
        <translation>The waybill was NOT deleted.</translation>
    </message>
    <message>
        <source>UWAGA</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Zostaną skasowane wszystkie dane!!</source>
        <translation>All data will be deleted!!</translation>
    </message>
    <message>
        <source>Nowa baza ZOSTAŁA założona</source>
        <translation>The new database HAS BEEN created</translation>
    </message>
    <message>
        <source>Nowa baza NIE ZOSTAŁA założona</source>
        <translation>The new database was NOT created</translation>
    </message>
    <message>
        <source>&amp;Edycja</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Popraw nazwę…</source>
        <translation>Correct a name…</translation>
    </message>
    <message>
        <source>Powiel list…</source>
        <translation>Duplicate waybill…</translation>
    </message>
    <message>
        <source>Cofnij: </source>
        <translation>Undo: </translation>
    </message>
    <message>
        <source>Nie ma czego cofnąć</source>
        <translation>Nothing to undo</translation>
    </message>
    <message>
        <source>Ponów: </source>
        <translation>Redo: </translation>
    </message>
    <message>
        <source>Nie ma czego ponowić</source>
        <translation>Nothing to redo</translation>
    </message>
    <message>
        <source>Stacja: </source>
        <translation>Station: </translation>
    </message>
    <message>
        <source>Nadawca/odbiorca: %1 (stacja %2)</source>
        <translation>Shipper/receiver: %1 (station %2)</translation>
    </message>
    <message>
        <source>Ładunek: %1 (wagony %2)</source>
        <translation>Load: %1 (wagons %2)</translation>
    </message>
    <message>
        <source>Popraw nazwę</source>
        <translation>Correct a name</translation>
    </message>
    <message>
        <source>Co poprawić:</source>
        <translation>What to correct:</translation>
    </message>
    <message>
        <source>Powiel list</source>
        <translation>Duplicate waybill</translation>
    </message>
    <message>
        <source>Liczba kopii listu nr %1:</source>
        <translation>Number of copies of waybill no. %1:</translation>
    </message>
    <message>
        <source>Wy&amp;miana</source>
        <translation>E&amp;xchange</translation>
    </message>
    <message>
        <source>Eksport CSV…</source>
        <translation>CSV export…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>CSV import…</translation>
    </message>
    <message>
        <source>Eksport arkusza…</source>
        <translation>Workbook export…</translation>
    </message>
    <message>
        <source>Import arkusza…</source>
        <translation>Workbook import…</translation>
    </message>
    <message>
        <source>Dołącz bazę…</source>
        <translation>Merge database…</translation>
    </message>
    <message>
        <source>Przywróć kopię…</source>
        <translation>Restore backup…</translation>
    </message>
    <message>
        <source>Szukaj…</source>
        <translation>Find…</translation>
    </message>
    <message>
        <source>Zapisano pliki:
</source>
        <translation>Saved files:
</translation>
    </message>
    <message>
        <source>Brak kopii zapasowych w katalogu </source>
        <translation>No backups in the folder </translation>
    </message>
    <message>
        <source>Przywrócono kopię z %1.</source>
        <translation>The backup of %1 has been restored.</translation>
    </message>
    <message>
        <source>Plik %1 już istnieje. Zastąpić go?</source>
        <translation>The file %1 already exists. Replace it?</translation>
    </message>
    <message>
        <source>Te pliki już istnieją:
%1
Zastąpić je?</source>
        <translation>These files already exist:
%1
Replace them?</translation>
    </message>
    <message>
        <source>Zapisano plik:
</source>
        <translation>Saved file:
</translation>
    </message>
    <message>
        <source>Relacje…</source>
        <translation>Relations…</translation>
    </message>
    <message>
        <source>Generuj listy…</source>
        <translation>Generate waybills…</translation>
    </message>
    <message>
        <source>Połącz duplikaty…</source>
        <translation>Join duplicates…</translation>
    </message>
    <message>
        <source>Proponuj połączenie duplikatów po imporcie</source>
        <translation>Propose joining duplicates after an import</translation>
    </message>
    <message>
        <source>Baza nie zawiera stacji, nadawców/odbiorców ani ładunków.</source>
        <translation>The database holds no stations, shippers/receivers or loads.</translation>
    </message>
</context>
<context>
    <name>ui::PartiesWindow</name>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Shippers/receivers</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Stacja</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>UWAGA</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Uwaga, zostaną skasowane również: listy przewozowe z tym nadawcą/odbiorcą. Jesteś pewien?</source>
        <translation>Warning, this also deletes: the waybills with this shipper/receiver. Are you sure?</translation>
    </message>
</context>
<context>
    <name>ui::PickerDialog</name>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ui::PrintHeaderRow</name>
    <message>
        <source>Ładunek</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Stacja odb.</source>
        <translation>Receiving st.</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Wagon</source>
        <translation>Wagon</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Shipper</translation>
    </message>
    <message>
        <source>Stacja nad.</source>
        <translation>Sending st.</translation>
    </message>
    <message>
        <source>Ilosc</source>
        <translation>Qty</translation>
    </message>
</context>
<context>
    <name>ui::PrintOptionsDialog</name>
    <message>
        <source>Opcje wydruku</source>
        <translation>Print options</translation>
    </message>
    <message>
        <source>Jak na liście</source>
        <translation>As listed</translation>
    </message>
    <message>
        <source>Według stacji nadania</source>
        <translation>By sending station</translation>
    </message>
    <message>
        <source>Według stacji odbioru</source>
        <translation>By receiving station</translation>
    </message>
    <message>
        <source>Karta &amp;zwrotna próżnego wagonu po każdej kopii</source>
        <translation>Empty wagon&apos;s &amp;return card after every copy</translation>
    </message>
    <message>
        <source>Kody &amp;literowe kolorów na pasach stacji (BIA, CZE, ŻÓŁ…)</source>
        <translation>&amp;Letter codes of the colours on the station bands (WHI, RED, YEL…)</translation>
    </message>
    <message>
        <source>&amp;Oszczędzanie tonera: bez szarego tła, wyraźna linia cięcia</source>
        <translation>&amp;Toner saver: no grey background, a clear cutting line</translation>
    </message>
    <message>
        <source>Arkusz pozio&amp;my</source>
        <translation>&amp;Landscape sheet</translation>
    </message>
    <message>
        <source>List &amp;składany: karta zwrotna na odwrocie, złożyć wzdłuż linii</source>
        <translation>&amp;Folded waybill: return card on the back, fold along the line</translation>
    </message>
    <message>
        <source>&amp;Pierwsze pole arkusza:</source>
        <translation>First &amp;slot of the sheet:</translation>
    </message>
    <message>
        <source>&amp;Kolejność kart:</source>
        <translation>Card &amp;order:</translation>
    </message>
    <message>
        <source>&amp;Format kart:</source>
        <translation>Card &amp;format:</translation>
    </message>
    <message>
        <source>P&amp;apier:</source>
        <translation>P&amp;aper:</translation>
    </message>
    <message>
        <source>Sz&amp;erokość</source>
        <translation>&amp;Width</translation>
    </message>
    <message>
        <source>&amp;Wysokość</source>
        <translation>&amp;Height</translation>
    </message>
    <message>
        <source>Własny format:</source>
        <translation>Custom format:</translation>
    </message>
    <message>
        <source>w p&amp;rawo</source>
        <translation>&amp;right</translation>
    </message>
    <message>
        <source>w dó&amp;ł</source>
        <translation>&amp;down</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;Domyślne</source>
        <translation>&amp;Defaults</translation>
    </message>
    <message>
        <source>Pola arkusza liczone rzędami od lewego górnego (1–%1).
Pola przed nim zostają puste: arkusz zaczęty poprzednio.</source>
        <translation>Slots of the sheet counted by rows from the top left (1–%1).
The slots before it stay empty: a sheet begun before.</translation>
    </message>
    <message>
        <source>Przesunięcie wydruku na drukarce domyślnej (w 0,1 mm):</source>
        <translation>Print offset on the default printer (in 0.1 mm):</translation>
    </message>
    <message>
        <source>Przesunięcie wydruku na drukarce „%1” (w 0,1 mm):</source>
        <translation>Print offset on the printer “%1” (in 0.1 mm):</translation>
    </message>
</context>
<context>
    <name>ui::PrintWindow</name>
    <message>
        <source>Wydruk do pliku PDF</source>
        <translation>Print to a PDF file</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 arkusz</source>
        <translation>%1 sheet</translation>
    </message>
    <message>
        <source>%1 arkusze</source>
        <translation>%1 sheets</translation>
    </message>
    <message>
        <source>%1 arkuszy</source>
        <translation>%1 sheets</translation>
    </message>
    <message>
        <source>Drukuj do pliku PDF...</source>
        <translation>Print to a PDF file...</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>Opcje wydruku…</source>
        <translation>Print options…</translation>
    </message>
    <message>
        <source>Zaznacz wszystkie</source>
        <translation>Tick all</translation>
    </message>
    <message>
        <source>Odznacz wszystkie</source>
        <translation>Untick all</translation>
    </message>
    <message>
        <source>Odwróć zaznaczenie</source>
        <translation>Invert ticks</translation>
    </message>
    <message>
        <source>Zaznacz ze stacji nadania…</source>
        <translation>Tick from sending station…</translation>
    </message>
    <message>
        <source>Zaznacz do stacji odbioru…</source>
        <translation>Tick to receiving station…</translation>
    </message>
    <message>
        <source>Liczba kopii zaznaczonych…</source>
        <translation>Copies of the ticked…</translation>
    </message>
    <message>
        <source>Zaznacz ze stacji nadania</source>
        <translation>Tick from sending station</translation>
    </message>
    <message>
        <source>Stacja nadania:</source>
        <translation>Sending station:</translation>
    </message>
    <message>
        <source>Zaznacz do stacji odbioru</source>
        <translation>Tick to receiving station</translation>
    </message>
    <message>
        <source>Stacja odbioru:</source>
        <translation>Receiving station:</translation>
    </message>
    <message>
        <source>Drukuj do pliku PDF</source>
        <translation>Print to a PDF file</translation>
    </message>
    <message>
        <source>Opcje wydruku</source>
        <translation>Print options</translation>
    </message>
    <message>
        <source>Wydruk</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Wybór drukarki</source>
        <translation>Printer</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Drukuje zaznaczone listy. Prawy przycisk myszy: %1.</source>
        <translation>Prints the ticked waybills. Right mouse button: %1.</translation>
    </message>
    <message>
        <source>Nie zaznaczono żadnego listu.</source>
        <translation>No waybill is ticked.</translation>
    </message>
    <message>
        <source>Liczba kopii</source>
        <translation>Number of copies</translation>
    </message>
    <message>
        <source>Liczba kopii każdego zaznaczonego listu:</source>
        <translation>Number of copies of every ticked waybill:</translation>
    </message>
    <message>
        <source>%1×%2 mm</source>
        <translation>%1×%2 mm</translation>
    </message>
    <message>
        <source>Listy przewozowe: %1 %2, %3%4</source>
        <translation>Waybills: %1 %2, %3%4</translation>
    </message>
    <message>
        <source>, składane</source>
        <translation>, folded</translation>
    </message>
</context>
<context>
    <name>ui::RelationsWindow</name>
    <message>
        <source>Relacje</source>
        <translation>Relations</translation>
    </message>
    <message>
        <source>&amp;Stacja:</source>
        <translation>&amp;Station:</translation>
    </message>
    <message>
        <source>tylko dostępne wagony</source>
        <translation>available wagons only</translation>
    </message>
    <message>
        <source>Stacja &amp;nadania:</source>
        <translation>Se&amp;nding station:</translation>
    </message>
    <message>
        <source>N&amp;adawca:</source>
        <translation>S&amp;hipper:</translation>
    </message>
    <message>
        <source>Ł&amp;adunek:</source>
        <translation>Lo&amp;ad:</translation>
    </message>
    <message>
        <source>&amp;Odbiorca:</source>
        <translation>&amp;Receiver:</translation>
    </message>
    <message>
        <source>Stacja o&amp;dbioru:</source>
        <translation>Receiving s&amp;tation:</translation>
    </message>
    <message>
        <source>&amp;Wagonów na tydzień:</source>
        <translation>&amp;Wagons per week:</translation>
    </message>
    <message>
        <source>&amp;Uwagi:</source>
        <translation>N&amp;ote:</translation>
    </message>
    <message>
        <source>Miejsca:</source>
        <translation>Places:</translation>
    </message>
    <message>
        <source>D&amp;opisz</source>
        <translation>A&amp;dd</translation>
    </message>
    <message>
        <source>&amp;Zmień</source>
        <translation>&amp;Change</translation>
    </message>
    <message>
        <source>U&amp;suń</source>
        <translation>De&amp;lete</translation>
    </message>
    <message>
        <source>&amp;Miejsca nadawcy…</source>
        <translation>Shipper&apos;s &amp;places…</translation>
    </message>
    <message>
        <source>M&amp;iejsca odbiorcy…</source>
        <translation>Rece&amp;iver&apos;s places…</translation>
    </message>
    <message>
        <source>&amp;Generuj listy…</source>
        <translation>&amp;Generate waybills…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>(wszystkie)</source>
        <translation>(all)</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>bez ograniczeń</source>
        <translation>no limit</translation>
    </message>
    <message>
        <source>nadawca: %1, odbiorca: %2</source>
        <translation>shipper: %1, receiver: %2</translation>
    </message>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Shippers/receivers</translation>
    </message>
    <message>
        <source>Ładunki</source>
        <translation>Loads</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>Usuń relację</source>
        <translation>Delete relation</translation>
    </message>
    <message>
        <source>Usunąć relację %1?</source>
        <translation>Delete relation %1?</translation>
    </message>
    <message>
        <source>Miejsca</source>
        <translation>Places</translation>
    </message>
    <message>
        <source>Ile wagonów naraz mieści bocznica „%1” (%2)? 0: bez ograniczeń.</source>
        <translation>How many wagons does the siding of &quot;%1&quot; (%2) hold at once? 0: no limit.</translation>
    </message>
</context>
<context>
    <name>ui::RestoreDialog</name>
    <message>
        <source>Przywróć kopię</source>
        <translation>Restore backup</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Rozmiar</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Listów</source>
        <translation>Waybills</translation>
    </message>
    <message>
        <source>nieczytelna</source>
        <translation>unreadable</translation>
    </message>
    <message>
        <source>Przywróć</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ui::SqlBrowserWindow</name>
    <message>
        <source>Dostęp do bazy</source>
        <translation>Database access</translation>
    </message>
</context>
<context>
    <name>ui::StationsWindow</name>
    <message>
        <source>Stacje</source>
        <translation>Stations</translation>
    </message>
    <message>
        <source>Nazwa stacji</source>
        <translation>Station name</translation>
    </message>
    <message>
        <source>Kolor FREMO</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Dopisz</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Zmień</source>
        <translation>Change</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Colour</translation>
    </message>
    <message>
        <source>Istnieje taka stacja</source>
        <translation>This station already exists</translation>
    </message>
    <message>
        <source>UWAGA</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Uwaga, zostaną skasowane również: listy przewozowe i nadawcy/odbiorcy z tą stacją. Jesteś pewien?</source>
        <translation>Warning, this also deletes: the waybills and shippers/receivers with this station. Are you sure?</translation>
    </message>
</context>
<context>
    <name>ui::WagonsWindow</name>
    <message>
        <source>male&amp;jąco</source>
        <translation>&amp;descending</translation>
    </message>
    <message>
        <source>&amp;Klasa:</source>
        <translation>&amp;Class:</translation>
    </message>
    <message>
        <source>Wł&amp;aściciel:</source>
        <translation>&amp;Owner:</translation>
    </message>
    <message>
        <source>&amp;Sortuj wg:</source>
        <translation>&amp;Sort by:</translation>
    </message>
    <message>
        <source>&amp;Numer:</source>
        <translation>&amp;Number:</translation>
    </message>
    <message>
        <source>K&amp;lasa:</source>
        <translation>C&amp;lass:</translation>
    </message>
    <message>
        <source>&amp;Właściciel:</source>
        <translation>O&amp;wner:</translation>
    </message>
    <message>
        <source>Stacja &amp;macierzysta:</source>
        <translation>&amp;Home station:</translation>
    </message>
    <message>
        <source>&amp;Długość (mm lub osie):</source>
        <translation>&amp;Length (mm or axles):</translation>
    </message>
    <message>
        <source>&amp;Prędkość:</source>
        <translation>&amp;Speed:</translation>
    </message>
    <message>
        <source>&amp;Uwagi:</source>
        <translation>Not&amp;es:</translation>
    </message>
    <message>
        <source>D&amp;opisz</source>
        <translation>&amp;Add</translation>
    </message>
    <message>
        <source>&amp;Zmień</source>
        <translation>C&amp;hange</translation>
    </message>
    <message>
        <source>U&amp;suń</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>Kop&amp;iuj…</source>
        <translation>Cop&amp;y…</translation>
    </message>
    <message>
        <source>Ko&amp;lory kart…</source>
        <translation>Card colo&amp;urs…</translation>
    </message>
    <message>
        <source>&amp;Karty wagonów…</source>
        <translation>Car ca&amp;rds…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Wagony</source>
        <translation>Wagons</translation>
    </message>
    <message>
        <source>numer</source>
        <translation>number</translation>
    </message>
    <message>
        <source>klasa</source>
        <translation>class</translation>
    </message>
    <message>
        <source>właściciel</source>
        <translation>owner</translation>
    </message>
    <message>
        <source>stacja macierzysta</source>
        <translation>home station</translation>
    </message>
    <message>
        <source>długość</source>
        <translation>length</translation>
    </message>
    <message>
        <source>prędkość</source>
        <translation>speed</translation>
    </message>
    <message>
        <source>uwagi</source>
        <translation>notes</translation>
    </message>
    <message>
        <source>bez znaku</source>
        <translation>no mark</translation>
    </message>
    <message>
        <source>s (100 km/h)</source>
        <translation>s (100 km/h)</translation>
    </message>
    <message>
        <source>ss (120 km/h)</source>
        <translation>ss (120 km/h)</translation>
    </message>
    <message>
        <source>Usuń wagon</source>
        <translation>Delete wagon</translation>
    </message>
    <message>
        <source>Usunąć wagon %1?</source>
        <translation>Delete the wagon %1?</translation>
    </message>
    <message>
        <source>Kopiuj wagon</source>
        <translation>Copy wagon</translation>
    </message>
    <message>
        <source>Ile kopii wagonu %1 (numery liczone dalej)?</source>
        <translation>How many copies of the wagon %1 (numbers counted on)?</translation>
    </message>
</context>
</TS>
