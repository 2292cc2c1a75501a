<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="pl_PL">
<context>
    <name>db</name>
    <message>
        <source>Syntax error: Masterfields not build of a=b;... pairs</source>
        <translation>Syntaxfehler: Masterfields bestehen nicht aus Paaren a=b;...</translation>
    </message>
    <message>
        <source>no query specified</source>
        <translation>Keine Abfrage angegeben</translation>
    </message>
</context>
<context>
    <name>print::CarCards</name>
    <message>
        <source>Wagenkarte A6</source>
        <translation>Wagenkarte A6</translation>
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
        <translation>Eigenes…</translation>
    </message>
    <message>
        <source>Długość: </source>
        <translation>Länge: </translation>
    </message>
    <message>
        <source>Prędkość: </source>
        <translation>Geschwindigkeit: </translation>
    </message>
    <message>
        <source>Właściciel: </source>
        <translation>Eigentümer: </translation>
    </message>
    <message>
        <source>Stacja macierzysta: </source>
        <translation>Heimatbahnhof: </translation>
    </message>
    <message>
        <source>List przewozowy</source>
        <translation>Frachtzettel</translation>
    </message>
    <message>
        <source>Karta musi mieć co najmniej 40 × 40 mm.</source>
        <translation>Die Karte muss mindestens 40 × 40 mm groß sein.</translation>
    </message>
    <message>
        <source>Karty wagonów</source>
        <translation>Wagenkarten</translation>
    </message>
</context>
<context>
    <name>print::Card</name>
    <message>
        <source>Stacja odbioru</source>
        <translation>Empfangsbahnhof</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Ladegut</translation>
    </message>
    <message>
        <source>Rodzaj wagonu</source>
        <translation>Wagengattung</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Versender</translation>
    </message>
    <message>
        <source>Stacja nadania</source>
        <translation>Versandbahnhof</translation>
    </message>
    <message>
        <source>Próżny</source>
        <translation>Leerwagen</translation>
    </message>
    <message>
        <source>Listy przewozowe</source>
        <translation>Frachtzettel</translation>
    </message>
</context>
<context>
    <name>print::CardFormat</name>
    <message>
        <source>Listy 45×65 (16 na A4)</source>
        <translation>Frachtzettel 45×65 (16 auf A4)</translation>
    </message>
    <message>
        <source>H0-Europa 90×45 (12 na A4)</source>
        <translation>H0-Europa 90×45 (12 auf A4)</translation>
    </message>
    <message>
        <source>FREMO:87 90×57 (10 na A4)</source>
        <translation>FREMO:87 90×57 (10 auf A4)</translation>
    </message>
    <message>
        <source>Wizytówki 85×54 (10 na A4)</source>
        <translation>Visitenkarten 85×54 (10 auf A4)</translation>
    </message>
    <message>
        <source>N-RE 66×42</source>
        <translation>N-RE 66×42</translation>
    </message>
    <message>
        <source>Własny…</source>
        <translation>Eigenes…</translation>
    </message>
    <message>
        <source>Wymiary karty muszą być większe od zera.</source>
        <translation>Die Maße der Karte müssen größer als null sein.</translation>
    </message>
    <message>
        <source>Karta %1 nie mieści się na arkuszu %2%3 (marginesy %4 mm).</source>
        <translation>Die Karte %1 passt nicht auf den Bogen %2%3 (Ränder %4 mm).</translation>
    </message>
    <message>
        <source> poziomo</source>
        <translation> quer</translation>
    </message>
    <message>
        <source>Karta nie mieści się na arkuszu.</source>
        <translation>Die Karte passt nicht auf den Bogen.</translation>
    </message>
    <message>
        <source>Karta %1 jest za mała na napisy listu przewozowego (pas stacji musi mieć co najmniej %2 mm szerokości i %3 mm wysokości).</source>
        <translation>Die Karte %1 ist zu klein für die Texte eines Frachtzettels (ein Bahnhofsstreifen muss mindestens %2 mm breit und %3 mm hoch sein).</translation>
    </message>
</context>
<context>
    <name>print::PrintOptions</name>
    <message>
        <source>%1: brak wartości</source>
        <translation>%1: Wert fehlt</translation>
    </message>
    <message>
        <source>%1: ta opcja nie przyjmuje wartości</source>
        <translation>%1: diese Option nimmt keinen Wert</translation>
    </message>
    <message>
        <source>--card-format: format to listy, h0-europa, fremo87, wizytowki albo n-re, a nie &apos;%1&apos;</source>
        <translation>--card-format: das Format ist listy, h0-europa, fremo87, wizytowki oder n-re, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--paper: papier to a4 albo letter, a nie &apos;%1&apos;</source>
        <translation>--paper: das Papier ist a4 oder letter, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--order: kolejność to listed, sending albo receiving, a nie &apos;%1&apos;</source>
        <translation>--order: die Reihenfolge ist listed, sending oder receiving, nicht &apos;%1&apos;</translation>
    </message>
    <message>
        <source>--first-slot: pierwsze pole to liczba od 1 do %1, a nie &apos;%2&apos;</source>
        <translation>--first-slot: das erste Feld ist eine Zahl von 1 bis %1, nicht &apos;%2&apos;</translation>
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
        <translation>  --card-format NAME    Kartenformat: listy (45×65, Standard), h0-europa (90×45),
                        fremo87 (90×57), wizytowki (85×54), n-re (66×42)
  --paper PAPIER        a4 (Standard) oder letter
  --fold                Faltzettel: auf der Rückseite die Karte des Leerwagens
  --first-slot N        erste Karte im Feld N des ersten Bogens (1-16 bei
                        Frachtzettelkarten, so viele Felder wie der Bogen bei anderen)
  --order FOLGE         listed (wie in der Liste), sending (nach Versandbahnhof),
                        receiving (nach Empfangsbahnhof)
  --return-cards        Leerwagenkarte nach jeder Kopie
  --letter-codes        Buchstabenkürzel der Farben auf den Bahnhofsstreifen
  --toner-saver         ohne grauen Kartenhintergrund, mit deutlicher Schnittlinie
</translation>
    </message>
</context>
<context>
    <name>print::QtPrintService</name>
    <message>
        <source>Nie ma zainstalowanej drukarki</source>
        <translation>Es ist kein Drucker eingerichtet</translation>
    </message>
    <message>
        <source>Nie ma drukarki o numerze %1</source>
        <translation>Es gibt keinen Drucker mit der Nummer %1</translation>
    </message>
    <message>
        <source>Nie można rozpocząć wydruku: %1</source>
        <translation>Der Druck kann nicht begonnen werden: %1</translation>
    </message>
    <message>
        <source>Nie można rozpocząć nowej strony wydruku</source>
        <translation>Eine neue Druckseite kann nicht begonnen werden</translation>
    </message>
    <message>
        <source>Nie można zakończyć wydruku</source>
        <translation>Der Druck kann nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1</source>
        <translation>Die Datei %1 kann nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>listy</name>
    <message>
        <source>Nie można otworzyć pliku %1 do kopii</source>
        <translation>Die Datei %1 kann für die Sicherung nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Nie można założyć katalogu kopii %1: %2</source>
        <translation>Der Sicherungsordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii w %1: %2</source>
        <translation>Die Sicherung kann nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii w %1</source>
        <translation>Die Sicherung kann nicht in %1 gespeichert werden</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii %1: %2</source>
        <translation>Die Sicherung %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Nie można nadać nazwy kopii w %1</source>
        <translation>Für die Sicherung in %1 lässt sich kein Name finden</translation>
    </message>
    <message>
        <source>Baza danych nie jest otwarta: nie można przywrócić kopii</source>
        <translation>Die Datenbank ist nicht geöffnet: die Sicherung kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>Otwarta jest transakcja (przeglądarka SQL): zakończ ją przed przywróceniem kopii</source>
        <translation>Eine Transaktion ist offen (SQL-Browser): beende sie, bevor du die Sicherung wiederherstellst</translation>
    </message>
    <message>
        <source>Nie można otworzyć kopii %1</source>
        <translation>Die Sicherung %1 kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Kopia %1 jest uszkodzona (%2); baza pozostała bez zmian</source>
        <translation>Die Sicherung %1 ist beschädigt (%2); die Datenbank blieb unverändert</translation>
    </message>
    <message>
        <source>Plik %1 nie jest bazą programu Listy; baza pozostała bez zmian</source>
        <translation>Die Datei %1 ist keine Datenbank von Listy; die Datenbank blieb unverändert</translation>
    </message>
    <message>
        <source>Nie można przywrócić kopii %1</source>
        <translation>Die Sicherung %1 kann nicht wiederhergestellt werden</translation>
    </message>
    <message>
        <source>… i %1 dalszych</source>
        <translation>… und %1 weitere</translation>
    </message>
    <message>
        <source>%1: nic nie zapisano, bo odrzucono %2 pozycję:</source>
        <translation>%1: nichts gespeichert, weil %2 Eintrag abgelehnt wurde:</translation>
    </message>
    <message>
        <source>%1: nic nie zapisano, bo odrzucono %2 pozycji:</source>
        <translation>%1: nichts gespeichert, weil %2 Einträge abgelehnt wurden:</translation>
    </message>
    <message>
        <source>%1: dodano %2, pominięto jako już obecne %3, odrzucono 0.</source>
        <translation>%1: %2 hinzugefügt, %3 als schon vorhanden übersprungen, 0 abgelehnt.</translation>
    </message>
    <message>
        <source>%1: dodano %2, pominięto %3</source>
        <translation>%1: %2 hinzugefügt, %3 übersprungen</translation>
    </message>
    <message>
        <source>Nic nie dodano.</source>
        <translation>Nichts hinzugefügt.</translation>
    </message>
    <message>
        <source>Uwagi:</source>
        <translation>Hinweise:</translation>
    </message>
    <message>
        <source>%1: stacja %2 już jest, z kolorem %3; kolor %4 z pliku pominięto</source>
        <translation>%1: der Bahnhof %2 ist schon vorhanden, mit der Farbe %3; die Farbe %4 aus der Datei wurde übersprungen</translation>
    </message>
    <message>
        <source>%1: wagon %2 już jest na liście, z innymi danymi; dane z pliku pominięto</source>
        <translation>%1: der Wagen %2 ist schon in der Liste, mit anderen Daten; die Daten aus der Datei wurden übersprungen</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest zablokowany przez inny program dłużej, niż program czeka. Zamknij tamten program albo zakończ jego zmianę i spróbuj ponownie.</source>
        <translation>Die Datenbankdatei %1 ist länger von einem anderen Programm gesperrt, als das Programm wartet. Schließe das andere Programm oder beende seine Änderung und versuche es erneut.</translation>
    </message>
    <message>
        <source>Pliku bazy danych %1 nie można zmienić: plik albo jego katalog jest tylko do odczytu. Nic nie zapisano.</source>
        <translation>Die Datenbankdatei %1 kann nicht geändert werden: die Datei oder ihr Ordner ist schreibgeschützt. Nichts wurde gespeichert.</translation>
    </message>
    <message>
        <source>Na dysku z plikiem bazy danych %1 zabrakło miejsca. Nic nie zapisano; zwolnij miejsce i spróbuj ponownie.</source>
        <translation>Auf dem Datenträger der Datenbankdatei %1 ist kein Platz mehr. Nichts wurde gespeichert; schaffe Platz und versuche es erneut.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest uszkodzony. Przywróć kopię zapasową albo skopiuj dane w przeglądarce SQL do nowej bazy.</source>
        <translation>Die Datenbankdatei %1 ist beschädigt. Stelle eine Sicherung wieder her oder kopiere die Daten im SQL-Browser in eine neue Datenbank.</translation>
    </message>
    <message>
        <source>Plik %1 nie jest bazą danych. Nic w nim nie zmieniono.</source>
        <translation>Die Datei %1 ist keine Datenbank. Nichts darin wurde geändert.</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku bazy danych %1 (brak pliku lub katalogu, brak dostępu albo katalog zamiast pliku).</source>
        <translation>Die Datenbankdatei %1 kann nicht geöffnet werden (Datei oder Ordner fehlt, kein Zugriff oder ein Ordner statt einer Datei).</translation>
    </message>
    <message>
        <source>Nie można cofnąć: %1.
Inny program zmienił od tej pory te wiersze (tabela %2, wiersz %3). Nic nie zostało zmienione.</source>
        <translation>Rückgängig nicht möglich: %1.
Ein anderes Programm hat diese Zeilen inzwischen geändert (Tabelle %2, Zeile %3). Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Nie można ponowić: %1.
Inny program zmienił od tej pory te wiersze (tabela %2, wiersz %3). Nic nie zostało zmienione.</source>
        <translation>Wiederholen nicht möglich: %1.
Ein anderes Programm hat diese Zeilen inzwischen geändert (Tabelle %2, Zeile %3). Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku %1</source>
        <translation>Die Datei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>%1: plik jest za duży (%2 bajtów, najwięcej %3)</source>
        <translation>%1: die Datei ist zu groß (%2 Bytes, höchstens %3)</translation>
    </message>
    <message>
        <source>Plik %1 był zapisany w starym formacie (SQLite 2) i został przekształcony do obecnego formatu: tabel %2, wierszy %3. Oryginalny plik zachowano bez zmian jako %4.</source>
        <translation>Die Datei %1 war im alten Format (SQLite 2) gespeichert und wurde in das heutige Format umgewandelt: %2 Tabellen, %3 Zeilen. Die ursprüngliche Datei wurde unverändert als %4 aufbewahrt.</translation>
    </message>
    <message>
        <source> W kolumnach liczbowych zapisano jako liczby %1 wartości podane tekstem (na przykład &quot;007&quot; jako 7).</source>
        <translation> In Zahlenspalten wurden %1 als Text angegebene Werte als Zahlen gespeichert (zum Beispiel &quot;007&quot; als 7).</translation>
    </message>
    <message>
        <source>stacje</source>
        <translation>Bahnhöfe</translation>
    </message>
    <message>
        <source>nadawcy/odbiorcy</source>
        <translation>Versender/Empfänger</translation>
    </message>
    <message>
        <source>listy (stacja nadania)</source>
        <translation>Frachtzettel (Versandbahnhof)</translation>
    </message>
    <message>
        <source>listy (stacja odbioru)</source>
        <translation>Frachtzettel (Empfangsbahnhof)</translation>
    </message>
    <message>
        <source>listy (nadawca)</source>
        <translation>Frachtzettel (Versender)</translation>
    </message>
    <message>
        <source>listy (odbiorca)</source>
        <translation>Frachtzettel (Empfänger)</translation>
    </message>
    <message>
        <source>ładunki</source>
        <translation>Ladegüter</translation>
    </message>
    <message>
        <source>listy (ładunek)</source>
        <translation>Frachtzettel (Ladegut)</translation>
    </message>
    <message>
        <source>Nazwa „%1” poprawiona na „%2”.</source>
        <translation>Name „%1“ in „%2“ geändert.</translation>
    </message>
    <message>
        <source>Żaden wiersz nie nosił tej nazwy.</source>
        <translation>Keine Zeile trug diesen Namen.</translation>
    </message>
    <message>
        <source>Zmienione wiersze:</source>
        <translation>Geänderte Zeilen:</translation>
    </message>
    <message>
        <source>poprawa nazwy stacji %1 na %2</source>
        <translation>Umbenennung des Bahnhofs %1 in %2</translation>
    </message>
    <message>
        <source>poprawa nazwy nadawcy/odbiorcy %1 na %2</source>
        <translation>Umbenennung des Versenders/Empfängers %1 in %2</translation>
    </message>
    <message>
        <source>poprawa nazwy ładunku %1 na %2</source>
        <translation>Umbenennung des Ladeguts %1 in %2</translation>
    </message>
    <message>
        <source>Liczba kopii musi być od 1 do 999</source>
        <translation>Die Zahl der Kopien muss zwischen 1 und 999 liegen</translation>
    </message>
    <message>
        <source>powielenie listu nr %1 (%2)</source>
        <translation>Kopieren des Frachtzettels Nr. %1 (%2)</translation>
    </message>
    <message>
        <source>List nr %1 nie jest już w bazie</source>
        <translation>Der Frachtzettel Nr. %1 ist nicht mehr in der Datenbank</translation>
    </message>
    <message>
        <source>Nie można odczytać katalogu roboczego (%1). Uruchom program w istniejącym katalogu.</source>
        <translation>Der Arbeitsordner kann nicht gelesen werden (%1). Starte das Programm in einem vorhandenen Ordner.</translation>
    </message>
    <message>
        <source> Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim zapisana.</source>
        <translation> Sie wurde nur zum Lesen geöffnet: keine Änderung wird darin gespeichert.</translation>
    </message>
    <message>
        <source>Nie można otworzyć bazy danych %1: pod tą nazwą jest katalog, nie plik. Zmień nazwę katalogu albo uruchom program w innym katalogu.</source>
        <translation>Die Datenbank %1 kann nicht geöffnet werden: unter diesem Namen liegt ein Ordner, keine Datei. Benenne den Ordner um oder starte das Programm in einem anderen Ordner.</translation>
    </message>
    <message>
        <source>Nie można założyć pliku bazy danych %1: katalog %2 jest tylko do odczytu. Uruchom program w katalogu, w którym wolno zapisywać.</source>
        <translation>Die Datenbankdatei %1 kann nicht angelegt werden: der Ordner %2 ist schreibgeschützt. Starte das Programm in einem Ordner, in dem geschrieben werden darf.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest zablokowany przez inny program. Zamknij ten program i uruchom Listy ponownie.</source>
        <translation>Die Datenbankdatei %1 ist von einem anderen Programm gesperrt. Schließe dieses Programm und starte Listy erneut.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest uszkodzony. Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim zapisana. Przywróć kopię zapasową albo skopiuj dane w przeglądarce SQL do nowej bazy.</source>
        <translation>Die Datenbankdatei %1 ist beschädigt. Sie wurde nur zum Lesen geöffnet: keine Änderung wird darin gespeichert. Stelle eine Sicherung wieder her oder kopiere die Daten im SQL-Browser in eine neue Datenbank.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 pochodzi z nowszej wersji programu (wersja pliku: %2, ten program zna wersje 1 i 2).</source>
        <translation>Die Datenbankdatei %1 stammt von einer neueren Programmversion (Dateiversion: %2, dieses Programm kennt die Versionen 1 und 2).</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest tylko do odczytu, a trzeba w nim zapisać %2 Nic nie zmieniono.</source>
        <translation>Die Datenbankdatei %1 ist schreibgeschützt, es muss aber %2 hineingeschrieben werden. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 leży w katalogu tylko do odczytu, a trzeba w nim zapisać %2 Nic nie zmieniono.</source>
        <translation>Die Datenbankdatei %1 liegt in einem schreibgeschützten Ordner, es muss aber %2 hineingeschrieben werden. Nichts wurde geändert.</translation>
    </message>
    <message>
        <source>nowy schemat bazy.</source>
        <translation>ein neues Datenbankschema</translation>
    </message>
    <message>
        <source>nowy układ tabeli stacji.</source>
        <translation>eine neue Form der Bahnhofstabelle</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest tylko do odczytu.</source>
        <translation>Die Datenbankdatei %1 ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 leży w katalogu tylko do odczytu (nie można w nim zapisać dziennika zmian).</source>
        <translation>Die Datenbankdatei %1 liegt in einem schreibgeschützten Ordner (das Änderungsprotokoll kann dort nicht geschrieben werden).</translation>
    </message>
    <message>
        <source>Plik bazy danych %1 jest uszkodzony: nie można odczytać listy listów przewozowych. Otwarto go tylko do odczytu: żadna zmiana nie zostanie w nim zapisana. Przywróć kopię zapasową albo skopiuj dane w przeglądarce SQL do nowej bazy.</source>
        <translation>Die Datenbankdatei %1 ist beschädigt: die Liste der Frachtzettel kann nicht gelesen werden. Sie wurde nur zum Lesen geöffnet: keine Änderung wird darin gespeichert. Stelle eine Sicherung wieder her oder kopiere die Daten im SQL-Browser in eine neue Datenbank.</translation>
    </message>
    <message>
        <source>dopisanie listu nr %1</source>
        <translation>Frachtzettel Nr. %1 hinzufügen</translation>
    </message>
    <message>
        <source>zmiana listu nr %1</source>
        <translation>Frachtzettel Nr. %1 ändern</translation>
    </message>
    <message>
        <source>usunięcie listu nr %1</source>
        <translation>Frachtzettel Nr. %1 löschen</translation>
    </message>
    <message>
        <source>skasowanie %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message>
        <source>listu</source>
        <translation>Frachtzettel</translation>
    </message>
    <message>
        <source>listów</source>
        <translation>Frachtzettel</translation>
    </message>
    <message>
        <source>dopisanie stacji %1</source>
        <translation>Bahnhof %1 hinzufügen</translation>
    </message>
    <message>
        <source>zmiana koloru stacji %1</source>
        <translation>Farbe des Bahnhofs %1 ändern</translation>
    </message>
    <message>
        <source>nadawców/odbiorców</source>
        <translation>Versender/Empfänger</translation>
    </message>
    <message>
        <source>usunięcie stacji %1, %2 i %3</source>
        <translation>Bahnhof %1, %2 und %3 löschen</translation>
    </message>
    <message>
        <source>usunięcie stacji %1 i %2</source>
        <translation>Bahnhof %1 und %2 löschen</translation>
    </message>
    <message>
        <source>usunięcie stacji %1</source>
        <translation>Bahnhof %1 löschen</translation>
    </message>
    <message>
        <source>dopisanie ładunku %1</source>
        <translation>Ladegut %1 hinzufügen</translation>
    </message>
    <message>
        <source>usunięcie ładunku %1</source>
        <translation>Ladegut %1 löschen</translation>
    </message>
    <message>
        <source>dopisanie nadawcy/odbiorcy %1</source>
        <translation>Versender/Empfänger %1 hinzufügen</translation>
    </message>
    <message>
        <source>usunięcie nadawcy/odbiorcy %1 i %2</source>
        <translation>Versender/Empfänger %1 und %2 löschen</translation>
    </message>
    <message>
        <source>usunięcie nadawcy/odbiorcy %1</source>
        <translation>Versender/Empfänger %1 löschen</translation>
    </message>
    <message>
        <source>Wagonu o numerze „%1” nie ma na liście.</source>
        <translation>Ein Wagen mit der Nummer „%1“ ist nicht in der Liste.</translation>
    </message>
    <message>
        <source>Numeru „%1” nie da się policzyć dalej.</source>
        <translation>Die Nummer „%1“ lässt sich nicht weiterzählen.</translation>
    </message>
    <message>
        <source>nowa baza</source>
        <translation>neue Datenbank</translation>
    </message>
    <message>
        <source>import arkusza</source>
        <translation>Import einer Tabelle</translation>
    </message>
    <message>
        <source>import CSV</source>
        <translation>CSV-Import</translation>
    </message>
    <message>
        <source>dołączenie bazy %1</source>
        <translation>Datenbank %1 einbinden</translation>
    </message>
    <message>
        <source>przywrócenie kopii %1</source>
        <translation>Sicherung %1 wiederherstellen</translation>
    </message>
    <message>
        <source>Wagon musi mieć numer.</source>
        <translation>Der Wagen braucht eine Nummer.</translation>
    </message>
    <message>
        <source>Wagon o numerze „%1” już jest na liście.</source>
        <translation>Ein Wagen mit der Nummer „%1“ ist schon in der Liste.</translation>
    </message>
    <message>
        <source>Grupa kolorów „%1” nie ma żadnej litery.</source>
        <translation>Die Farbgruppe „%1“ hat keinen Buchstaben.</translation>
    </message>
    <message>
        <source>Stacje</source>
        <translation>Bahnhöfe</translation>
    </message>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Versender/Empfänger</translation>
    </message>
    <message>
        <source>Ładunki</source>
        <translation>Ladegüter</translation>
    </message>
    <message>
        <source>Listy przewozowe</source>
        <translation>Frachtzettel</translation>
    </message>
    <message>
        <source>Wagony</source>
        <translation>Wagen</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV-Import</translation>
    </message>
    <message>
        <source>Import arkusza</source>
        <translation>Tabellen-Import</translation>
    </message>
    <message>
        <source>Dołączenie bazy</source>
        <translation>Datenbank einbinden</translation>
    </message>
    <message>
        <source>Nieznany błąd</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>%1: plik ma %2 MiB, więcej niż dopuszczalne %3 MiB; nie został odczytany</source>
        <translation>%1: die Datei hat %2 MiB, mehr als die zulässigen %3 MiB; sie wurde nicht gelesen</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1</source>
        <translation>Die Datei %1 kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku %1: %2</source>
        <translation>Die Datei %1 kann nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Nie można otworzyć pliku %1: %2</source>
        <translation>Die Datei %1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>brak pamięci</source>
        <translation>kein Speicher frei</translation>
    </message>
    <message>
        <source>Plik %1 nie jest czytelną bazą danych (%2)</source>
        <translation>Die Datei %1 ist keine lesbare Datenbank (%2)</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku %1 (%2)</source>
        <translation>Die Datei %1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>Nie można odczytać pliku %1 w starym formacie: %2</source>
        <translation>Die Datei %1 im alten Format kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Nie ma pliku %1</source>
        <translation>Die Datei %1 gibt es nicht</translation>
    </message>
    <message>
        <source>Plik %1 jest w starym formacie, a obok niego leży plik %1-journal: ostatnia zmiana w nim została przerwana. Plik nie został odczytany</source>
        <translation>Die Datei %1 ist im alten Format, und neben ihr liegt die Datei %1-journal: die letzte Änderung daran wurde unterbrochen. Die Datei wurde nicht gelesen</translation>
    </message>
    <message>
        <source>Plik %1 nie jest bazą programu Listy (brak tabel listy, stacje, ladunki i punkty)</source>
        <translation>Die Datei %1 ist keine Datenbank von Listy (die Tabellen listy, stacje, ladunki und punkty fehlen)</translation>
    </message>
    <message>
        <source>Definicja tabeli %1 w starym pliku nie jest samym poleceniem CREATE TABLE, więc nie została wykonana. Plik nie został przekształcony i pozostał bez zmian.</source>
        <translation>Die Definition der Tabelle %1 in der alten Datei ist kein reiner CREATE-TABLE-Befehl und wurde daher nicht ausgeführt. Die Datei wurde nicht umgewandelt und blieb unverändert.</translation>
    </message>
    <message>
        <source>Plik %1 jest w starym formacie (SQLite 2), a obok niego leży plik %1-journal: ostatnia zmiana w tym pliku została przerwana. Plik nie został przekształcony; oba pliki pozostały bez zmian</source>
        <translation>Die Datei %1 ist im alten Format (SQLite 2), und neben ihr liegt die Datei %1-journal: die letzte Änderung dieser Datei wurde unterbrochen. Die Datei wurde nicht umgewandelt; beide Dateien blieben unverändert</translation>
    </message>
    <message>
        <source>Plik %1 jest w starym formacie (SQLite 2), ale jest uszkodzony, więc nie został przekształcony; pozostał bez zmian. Szczegóły: %2</source>
        <translation>Die Datei %1 ist im alten Format (SQLite 2), aber beschädigt, daher wurde sie nicht umgewandelt; sie blieb unverändert. Einzelheiten: %2</translation>
    </message>
    <message>
        <source>Nie można zapisać kopii pliku %1 jako %2: %3. Plik nie został przekształcony.</source>
        <translation>Die Kopie der Datei %1 kann nicht als %2 gespeichert werden: %3. Die Datei wurde nicht umgewandelt.</translation>
    </message>
    <message>
        <source>Nie można zastąpić pliku %1 przekształconym: %2. Plik pozostał bez zmian.</source>
        <translation>Die Datei %1 kann nicht durch die umgewandelte ersetzt werden: %2. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>stacji nadania „%1”</source>
        <translation>Versandbahnhof „%1“</translation>
    </message>
    <message>
        <source>nadawcy „%1”</source>
        <translation>Versender „%1“</translation>
    </message>
    <message>
        <source>ładunku „%1”</source>
        <translation>Ladegut „%1“</translation>
    </message>
    <message>
        <source>odbiorcy „%1”</source>
        <translation>Empfänger „%1“</translation>
    </message>
    <message>
        <source>stacji odbioru „%1”</source>
        <translation>Empfangsbahnhof „%1“</translation>
    </message>
    <message>
        <source>%1, wiersz %2</source>
        <translation>%1, Zeile %2</translation>
    </message>
    <message>
        <source>%1: list przewozowy zapisano, ale nie ma na listach %2</source>
        <translation>%1: der Frachtzettel wurde gespeichert, aber in den Listen fehlen %2</translation>
    </message>
    <message>
        <source>wagony (stacja macierzysta)</source>
        <translation>Wagen (Heimatbahnhof)</translation>
    </message>
    <message>
        <source>relacje (stacja nadania)</source>
        <translation>Relationen (Versandbahnhof)</translation>
    </message>
    <message>
        <source>relacje (stacja odbioru)</source>
        <translation>Relationen (Empfangsbahnhof)</translation>
    </message>
    <message>
        <source>miejsca</source>
        <translation>Gleisplätze</translation>
    </message>
    <message>
        <source>relacje (nadawca)</source>
        <translation>Relationen (Versender)</translation>
    </message>
    <message>
        <source>relacje (odbiorca)</source>
        <translation>Relationen (Empfänger)</translation>
    </message>
    <message>
        <source>relacje (ładunek)</source>
        <translation>Relationen (Ladegut)</translation>
    </message>
    <message>
        <source>dopisanie wagonu %1</source>
        <translation>Hinzufügen des Wagens %1</translation>
    </message>
    <message>
        <source>zmiana wagonu %1</source>
        <translation>Ändern des Wagens %1</translation>
    </message>
    <message>
        <source>usunięcie wagonu %1</source>
        <translation>Löschen des Wagens %1</translation>
    </message>
    <message>
        <source>powielenie wagonu %1 (%2)</source>
        <translation>Vervielfältigen des Wagens %1 (%2)</translation>
    </message>
    <message>
        <source>zmiana kolorów kart</source>
        <translation>Ändern der Kartenfarben</translation>
    </message>
    <message>
        <source>Relacje</source>
        <translation>Relationen</translation>
    </message>
    <message>
        <source>Miejsca</source>
        <translation>Gleisplätze</translation>
    </message>
    <message>
        <source>stacja %1 (%2)</source>
        <translation>Bahnhof %1 (%2)</translation>
    </message>
    <message>
        <source>nadawca/odbiorca %1 (stacja %2)</source>
        <translation>Versender/Empfänger %1 (Bahnhof %2)</translation>
    </message>
    <message>
        <source>ładunek %1 (wagony %2)</source>
        <translation>Ladegut %1 (Wagen %2)</translation>
    </message>
    <message>
        <source>Połączono duplikaty.</source>
        <translation>Duplikate zusammengeführt.</translation>
    </message>
    <message>
        <source>Usunięte wiersze:</source>
        <translation>Entfernte Zeilen:</translation>
    </message>
    <message>
        <source>połączenie duplikatów (%1)</source>
        <translation>Zusammenführen von Duplikaten (%1)</translation>
    </message>
    <message>
        <source>dopisanie relacji %1</source>
        <translation>Hinzufügen der Relation %1</translation>
    </message>
    <message>
        <source>zmiana relacji %1</source>
        <translation>Ändern der Relation %1</translation>
    </message>
    <message>
        <source>usunięcie relacji nr %1</source>
        <translation>Löschen der Relation Nr. %1</translation>
    </message>
    <message>
        <source>miejsca %1 (%2): %3</source>
        <translation>Gleisplätze %1 (%2): %3</translation>
    </message>
    <message>
        <source>wygenerowanie %1</source>
        <translation>Erzeugen von %1</translation>
    </message>
    <message>
        <source>brak stacji</source>
        <translation>Bahnhof fehlt</translation>
    </message>
    <message>
        <source>brak nadawcy/odbiorcy</source>
        <translation>Versender/Empfänger fehlt</translation>
    </message>
    <message>
        <source>brak ładunku</source>
        <translation>Ladegut fehlt</translation>
    </message>
    <message>
        <source>„%1” (%2): średnio %3 wagonu na dzień ruchu, a miejsc %4</source>
        <translation>„%1“ (%2): im Mittel %3 Wagen je Betriebstag, aber %4 Gleisplätze</translation>
    </message>
    <message>
        <source>Rodzaj wagonu „%1”: %2 listów na tydzień, a wagonów na liście %3</source>
        <translation>Wagengattung „%1“: %2 Frachtzettel pro Woche, aber %3 Wagen in der Liste</translation>
    </message>
    <message>
        <source>Listów: %1 z %2 relacji.</source>
        <translation>Frachtzettel: %1 aus %2 Relationen.</translation>
    </message>
    <message>
        <source>%1: %2 (nadanych %3, odbieranych %4)</source>
        <translation>%1: %2 (versandt %3, empfangen %4)</translation>
    </message>
    <message>
        <source>Ostrzeżenia:</source>
        <translation>Warnungen:</translation>
    </message>
    <message>
        <source>Pominięte relacje (nazwa już nie istnieje):</source>
        <translation>Übersprungene Relationen (ein Name existiert nicht mehr):</translation>
    </message>
    <message>
        <source>W tabeli admin brak licznika %1</source>
        <translation>In der Tabelle admin fehlt der Zähler %1</translation>
    </message>
    <message>
        <source>Licznik %1 osiągnął największą wartość (%2)</source>
        <translation>Der Zähler %1 hat seinen größten Wert erreicht (%2)</translation>
    </message>
    <message>
        <source>plik jest za duży (%1 bajtów, najwięcej %2)</source>
        <translation>die Datei ist zu groß (%1 Bytes, höchstens %2)</translation>
    </message>
    <message>
        <source>znak NUL (bajt zerowy): to nie jest plik tekstowy</source>
        <translation>NUL-Zeichen (Nullbyte): das ist keine Textdatei</translation>
    </message>
    <message>
        <source>niedozwolony znak sterujący (kod %1): to nie jest plik tekstowy</source>
        <translation>unzulässiges Steuerzeichen (Code %1): das ist keine Textdatei</translation>
    </message>
    <message>
        <source>plik nie jest zapisany w UTF-8 ani w żadnym z kodowań windows-1250, windows-1252, iso-8859-2; podaj kodowanie (możliwe: %1)</source>
        <translation>die Datei ist weder in UTF-8 noch in einer der Kodierungen windows-1250, windows-1252, iso-8859-2 gespeichert; gib die Kodierung an (möglich: %1)</translation>
    </message>
    <message>
        <source>plik nie jest zapisany w UTF-8; podaj jego kodowanie, najbardziej prawdopodobne: %1</source>
        <translation>die Datei ist nicht in UTF-8 gespeichert; gib ihre Kodierung an, am wahrscheinlichsten: %1</translation>
    </message>
    <message>
        <source>bajt %1 nie oznacza żadnego znaku w kodowaniu %2</source>
        <translation>das Byte %1 bedeutet kein Zeichen in der Kodierung %2</translation>
    </message>
    <message>
        <source>wartość dłuższa niż %1 znaków (%2)</source>
        <translation>Wert länger als %1 Zeichen (%2)</translation>
    </message>
    <message>
        <source>plik ma więcej niż %1 wierszy danych</source>
        <translation>die Datei hat mehr als %1 Datenzeilen</translation>
    </message>
    <message>
        <source>cudzysłów otwarty w tym wierszu nie jest zamknięty</source>
        <translation>das in dieser Zeile geöffnete Anführungszeichen wird nicht geschlossen</translation>
    </message>
    <message>
        <source>po zamykającym cudzysłowie stoi znak zamiast separatora albo końca wiersza (cudzysłów w wartości trzeba podwoić)</source>
        <translation>nach dem schließenden Anführungszeichen steht ein Zeichen statt des Trennzeichens oder des Zeilenendes (ein Anführungszeichen im Wert muss verdoppelt werden)</translation>
    </message>
    <message>
        <source>cudzysłów wewnątrz wartości, która nie jest ujęta w cudzysłowy</source>
        <translation>Anführungszeichen in einem Wert, der nicht in Anführungszeichen steht</translation>
    </message>
    <message>
        <source>%1: odczytano w kodowaniu %2</source>
        <translation>%1: in der Kodierung %2 gelesen</translation>
    </message>
    <message>
        <source>%1: %2 (%3) ma już %4 miejsc; liczbę z pliku pominięto</source>
        <translation>%1: %2 (%3) hat schon %4 Gleisplätze; die Zahl aus der Datei wurde übersprungen</translation>
    </message>
    <message>
        <source>Licznik %1 nie ma miejsca na tyle nowych wierszy</source>
        <translation>Der Zähler %1 reicht nicht für so viele neue Zeilen</translation>
    </message>
    <message>
        <source>nieznany wiersz nagłówka %1; oczekiwano jednego z:%2</source>
        <translation>unbekannte Kopfzeile %1; erwartet wurde eine von:%2</translation>
    </message>
    <message>
        <source>brak kolumny %1 (jest %2 z %3)</source>
        <translation>die Spalte %1 fehlt (%2 von %3 vorhanden)</translation>
    </message>
    <message>
        <source>za dużo kolumn (%1, oczekiwano %2)</source>
        <translation>zu viele Spalten (%1, erwartet %2)</translation>
    </message>
    <message>
        <source>pusta nazwa stacji</source>
        <translation>leerer Bahnhofsname</translation>
    </message>
    <message>
        <source>nieznany kolor %1 (dozwolone: clwhite, clred, clyellow, clgreen, clblue, clblack, clbrown, clorange albo nazwy kolorów po polsku, niemiecku lub angielsku)</source>
        <translation>unbekannte Farbe %1 (zulässig: clwhite, clred, clyellow, clgreen, clblue, clblack, clbrown, clorange oder die Namen der Farben auf Polnisch, Deutsch oder Englisch)</translation>
    </message>
    <message>
        <source>pusta nazwa</source>
        <translation>leerer Name</translation>
    </message>
    <message>
        <source>pusty numer wagonu</source>
        <translation>leere Wagennummer</translation>
    </message>
    <message>
        <source>nieznany znak prędkości %1 (dozwolone: puste, s, ss)</source>
        <translation>unbekanntes Geschwindigkeitszeichen %1 (zulässig: leer, s, ss)</translation>
    </message>
    <message>
        <source>%1 musi być liczbą od 1 do %2, a jest %3</source>
        <translation>%1 muss eine Zahl von 1 bis %2 sein, ist aber %3</translation>
    </message>
    <message>
        <source>plik jest pusty (brak wiersza nagłówka)</source>
        <translation>die Datei ist leer (keine Kopfzeile)</translation>
    </message>
    <message>
        <source>%1: plik zawiera tylko wiersz nagłówka (%2), brak wierszy do dodania</source>
        <translation>%1: die Datei enthält nur die Kopfzeile (%2), keine Zeilen zum Hinzufügen</translation>
    </message>
    <message>
        <source>Istnieje taka stacja</source>
        <translation>Diesen Bahnhof gibt es schon</translation>
    </message>
    <message>
        <source>Liczba wagonów na tydzień musi być od 1 do 99 (jest %1).</source>
        <translation>Die Zahl der Wagen pro Woche muss zwischen 1 und 99 liegen (sie ist %1).</translation>
    </message>
    <message>
        <source>Licznik %1 osiągnął największą wartość.</source>
        <translation>Der Zähler %1 hat seinen größten Wert erreicht.</translation>
    </message>
    <message>
        <source>Relacji nr %1 nie ma już w bazie.</source>
        <translation>Die Relation Nr. %1 ist nicht mehr in der Datenbank.</translation>
    </message>
    <message>
        <source>Liczba miejsc musi być od 0 do 999.</source>
        <translation>Die Zahl der Gleisplätze muss zwischen 0 und 999 liegen.</translation>
    </message>
    <message>
        <source>Okres musi mieć od 1 dnia do 520 tygodni.</source>
        <translation>Der Zeitraum muss zwischen 1 Tag und 520 Wochen lang sein.</translation>
    </message>
    <message>
        <source>Licznik %1 nie pomieści tylu nowych listów.</source>
        <translation>Der Zähler %1 reicht nicht für so viele neue Frachtzettel.</translation>
    </message>
    <message>
        <source>Kolor „%1” nie jest kolorem #rrggbb.</source>
        <translation>Die Farbe „%1“ ist keine Farbe #rrggbb.</translation>
    </message>
    <message>
        <source>plik nie jest poprawnym skoroszytem (%1)</source>
        <translation>die Datei ist keine gültige Arbeitsmappe (%1)</translation>
    </message>
    <message>
        <source>wpis %1 ma inny rozmiar niż w spisie</source>
        <translation>der Eintrag %1 hat eine andere Größe als im Verzeichnis</translation>
    </message>
    <message>
        <source>wpis %1 skoroszytu rozpakowuje się do większego rozmiaru, niż podaje spis archiwum: skoroszyt odrzucono</source>
        <translation>der Eintrag %1 der Arbeitsmappe entpackt sich zu einer größeren Größe, als das Verzeichnis des Archivs angibt: die Arbeitsmappe wurde abgelehnt</translation>
    </message>
    <message>
        <source>wpis %1 jest uszkodzony</source>
        <translation>der Eintrag %1 ist beschädigt</translation>
    </message>
    <message>
        <source>wpis %1 jest ucięty</source>
        <translation>der Eintrag %1 ist abgeschnitten</translation>
    </message>
    <message>
        <source>część %1 nie jest poprawnym XML</source>
        <translation>der Teil %1 ist kein gültiges XML</translation>
    </message>
    <message>
        <source>niepoprawny adres komórki %1</source>
        <translation>ungültige Zelladresse %1</translation>
    </message>
    <message>
        <source>skoroszyt zawiera łącza do innych plików (%1); program niczego z zewnątrz nie pobiera — zapisz skoroszyt bez łączy</source>
        <translation>die Arbeitsmappe enthält Verknüpfungen zu anderen Dateien (%1); das Programm holt nichts von außen — speichere die Arbeitsmappe ohne Verknüpfungen</translation>
    </message>
    <message>
        <source>to nie jest archiwum ZIP</source>
        <translation>das ist kein ZIP-Archiv</translation>
    </message>
    <message>
        <source>brak spisu archiwum ZIP</source>
        <translation>das Verzeichnis des ZIP-Archivs fehlt</translation>
    </message>
    <message>
        <source>skoroszyt w formacie ZIP64 jest za duży dla programu</source>
        <translation>eine Arbeitsmappe im Format ZIP64 ist zu groß für das Programm</translation>
    </message>
    <message>
        <source>skoroszyt ma za dużo części (%1)</source>
        <translation>die Arbeitsmappe hat zu viele Teile (%1)</translation>
    </message>
    <message>
        <source>spis archiwum wskazuje poza plik</source>
        <translation>das Verzeichnis des Archivs zeigt über die Datei hinaus</translation>
    </message>
    <message>
        <source>uszkodzony spis archiwum</source>
        <translation>beschädigtes Verzeichnis des Archivs</translation>
    </message>
    <message>
        <source>skoroszyt rozpakowuje się do ponad %1 (według spisu archiwum): skoroszyt odrzucono, nic nie rozpakowano</source>
        <translation>die Arbeitsmappe entpackt sich zu mehr als %1 (laut Verzeichnis des Archivs): die Arbeitsmappe wurde abgelehnt, nichts wurde entpackt</translation>
    </message>
    <message>
        <source>nieznana metoda kompresji wpisu %1</source>
        <translation>unbekanntes Kompressionsverfahren des Eintrags %1</translation>
    </message>
    <message>
        <source>uszkodzony wpis %1</source>
        <translation>beschädigter Eintrag %1</translation>
    </message>
    <message>
        <source>skoroszyt zawiera łącza do innych skoroszytów (%1); program niczego z zewnątrz nie pobiera — zapisz skoroszyt bez łączy</source>
        <translation>die Arbeitsmappe enthält Verknüpfungen zu anderen Arbeitsmappen (%1); das Programm holt nichts von außen — speichere die Arbeitsmappe ohne Verknüpfungen</translation>
    </message>
    <message>
        <source>brak arkuszy .xlsx ani .ods</source>
        <translation>weder .xlsx- noch .ods-Blätter vorhanden</translation>
    </message>
    <message>
        <source>%1, arkusz „%2”</source>
        <translation>%1, Blatt „%2“</translation>
    </message>
    <message>
        <source>komórka z formułą; formuł program nie oblicza — zapisz w arkuszu same wartości</source>
        <translation>Zelle mit einer Formel; Formeln berechnet das Programm nicht — speichere im Blatt nur die Werte</translation>
    </message>
    <message>
        <source>arkusz ma więcej niż %1 wierszy danych</source>
        <translation>das Blatt hat mehr als %1 Datenzeilen</translation>
    </message>
    <message>
        <source>komórka dalej niż w kolumnie %1</source>
        <translation>eine Zelle weiter rechts als in Spalte %1</translation>
    </message>
    <message>
        <source>%1: %2 komórek z liczbą, datą lub wartością logiczną odczytano jako tekst (arkusz mógł zmienić ich zapis, np. usunąć zera z przodu)</source>
        <translation>%1: %2 Zellen mit einer Zahl, einem Datum oder einem Wahrheitswert wurden als Text gelesen (das Tabellenprogramm kann ihre Schreibweise geändert haben, z. B. führende Nullen entfernt)</translation>
    </message>
    <message>
        <source>%1: skoroszyt nie zawiera żadnej listy</source>
        <translation>%1: die Arbeitsmappe enthält keine Liste</translation>
    </message>
</context>
<context>
    <name>model::FremoColour</name>
    <message>
        <source>Biały (bez znaczenia)</source>
        <translation>Weiß (ohne Bedeutung)</translation>
    </message>
    <message>
        <source>Czerwony (wojsko, tabor kolejowy, wódka)</source>
        <translation>Rot – Osten (Militär, Eisenbahnfahrzeuge, Wodka)</translation>
    </message>
    <message>
        <source>Żółty (piasek, żwir, wapno, minerały)</source>
        <translation>Gelb – Süden (Sand, Kies, Kalk, Mineralien)</translation>
    </message>
    <message>
        <source>Zielony (produkty rolne i leśne, wino)</source>
        <translation>Grün – Westen (Land- und Forstwirtschaft, Wein)</translation>
    </message>
    <message>
        <source>Niebieski (ryby, cytrusy, kawa, samochody, maszyny, złom)</source>
        <translation>Blau – Norden (Fisch, Zitrusfrüchte, Kaffee, Autos, Maschinen, Schrott)</translation>
    </message>
    <message>
        <source>Czarny (węgiel, koks, cement, odkuwki, blachy, rury)</source>
        <translation>Schwarz – Ruhrgebiet (Kohle, Koks, Zement, Schmiedeteile, Bleche, Rohre)</translation>
    </message>
    <message>
        <source>Brązowy (produkty chemiczne)</source>
        <translation>Braun – Mitte (Chemieprodukte)</translation>
    </message>
    <message>
        <source>Pomarańczowy - drobnica, papier, tekstylia, meble, spożywcze</source>
        <translation>Orange – Stückgut, Papier, Textilien, Möbel, Lebensmittel</translation>
    </message>
</context>
<context>
    <name>ui::Application</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ui::CarCardsDialog</name>
    <message>
        <source>Karty wagonów</source>
        <translation>Wagenkarten</translation>
    </message>
    <message>
        <source>Wagon</source>
        <translation>Wagen</translation>
    </message>
    <message>
        <source>Klasa</source>
        <translation>Gattung</translation>
    </message>
    <message>
        <source>Kopie</source>
        <translation>Kopien</translation>
    </message>
    <message>
        <source>własna formatu</source>
        <translation>eigene des Formats</translation>
    </message>
    <message>
        <source>&amp;Format karty:</source>
        <translation>&amp;Kartenformat:</translation>
    </message>
    <message>
        <source>&amp;Arkusz:</source>
        <translation>&amp;Bogen:</translation>
    </message>
    <message>
        <source>&amp;Kieszeń na list:</source>
        <translation>&amp;Tasche für den Frachtzettel:</translation>
    </message>
    <message>
        <source>&amp;Podgląd</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>P&amp;DF…</source>
        <translation>P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Drukuj</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Liczba kopii wagonu %1 musi być liczbą od 0 do %2, a jest „%3”.</source>
        <translation>Die Zahl der Kopien des Wagens %1 muss eine Zahl von 0 bis %2 sein, ist aber „%3“.</translation>
    </message>
    <message>
        <source>Karta %1 nie mieści się na arkuszu %2.</source>
        <translation>Die Karte %1 passt nicht auf den Bogen %2.</translation>
    </message>
    <message>
        <source>Karta listu %1 nie mieści się na karcie %2.</source>
        <translation>Der Frachtzettel %1 passt nicht auf die Karte %2.</translation>
    </message>
    <message>
        <source>Karty wagonów: %1, arkusze: %2</source>
        <translation>Wagenkarten: %1, Bogen: %2</translation>
    </message>
    <message>
        <source>Karty wagonów do pliku PDF</source>
        <translation>Wagenkarten in eine PDF-Datei</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&amp;Własny rozmiar:</source>
        <translation>&amp;Eigene Größe:</translation>
    </message>
</context>
<context>
    <name>ui::CardColoursDialog</name>
    <message>
        <source>Kolory kart</source>
        <translation>Kartenfarben</translation>
    </message>
    <message>
        <source>Grupa klas (pierwsze litery)</source>
        <translation>Gattungsgruppe (Anfangsbuchstaben)</translation>
    </message>
    <message>
        <source>Kolor papieru</source>
        <translation>Papierfarbe</translation>
    </message>
    <message>
        <source>&amp;Dodaj grupę</source>
        <translation>Gruppe &amp;hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Usuń grupę</source>
        <translation>Gruppe &amp;löschen</translation>
    </message>
    <message>
        <source>&amp;Kolor…</source>
        <translation>&amp;Farbe…</translation>
    </message>
</context>
<context>
    <name>cli::CommandLine</name>
    <message>
        <source>Wypisuje ten opis i kończy pracę.</source>
        <translation>Gibt diese Beschreibung aus und beendet das Programm.</translation>
    </message>
    <message>
        <source>Wypisuje nazwę i wersję programu i kończy pracę.</source>
        <translation>Gibt Namen und Version des Programms aus und beendet es.</translation>
    </message>
    <message>
        <source>PLIK</source>
        <translation>DATEI</translation>
    </message>
    <message>
        <source>Używa bazy PLIK zamiast ./listy.sdb (każda operacja na plikach, także kopie w katalogu kopie/, dotyczy wtedy tego pliku i jego katalogu). Plik, którego nie ma, zostaje założony z pustą bazą.</source>
        <translation>Verwendet die Datenbank DATEI statt ./listy.sdb (jede Dateioperation, auch die Sicherungen im Ordner kopie/, betrifft dann diese Datei und ihren Ordner). Eine Datei, die es nicht gibt, wird mit einer leeren Datenbank angelegt.</translation>
    </message>
    <message>
        <source>KATALOG</source>
        <translation>ORDNER</translation>
    </message>
    <message>
        <source>Zapisuje cztery listy do plików listy.csv, stacje.csv, punkty.csv i ladunki.csv w KATALOGU (UTF-8, separator &quot;;&quot;), a gdy baza ma listę wagonów, także wagony.csv.</source>
        <translation>Schreibt die vier Listen in die Dateien listy.csv, stacje.csv, punkty.csv und ladunki.csv im ORDNER (UTF-8, Trennzeichen &quot;;&quot;), und wenn die Datenbank eine Wagenliste hat, auch wagony.csv.</translation>
    </message>
    <message>
        <source>Zapisuje wszystkie listy do jednego skoroszytu .xlsx, po arkuszu na listę (każda komórka jako tekst).</source>
        <translation>Schreibt alle Listen in eine .xlsx-Arbeitsmappe, ein Blatt je Liste (jede Zelle als Text).</translation>
    </message>
    <message>
        <source>PLIK…</source>
        <translation>DATEI…</translation>
    </message>
    <message>
        <source>Dodaje do bazy wiersze z podanych plików CSV i skoroszytów .xlsx i .ods (lista rozpoznawana po wierszu nagłówka, pliki w dowolnej kolejności). Przed zapisem powstaje kopia bazy w katalogu kopie/.</source>
        <translation>Fügt der Datenbank die Zeilen der angegebenen CSV-Dateien und .xlsx- und .ods-Arbeitsmappen hinzu (die Liste wird an der Kopfzeile erkannt, Dateien in beliebiger Reihenfolge). Vor dem Schreiben entsteht eine Sicherung der Datenbank im Ordner kopie/.</translation>
    </message>
    <message>
        <source>To samo co --import.</source>
        <translation>Dasselbe wie --import.</translation>
    </message>
    <message>
        <source>NAZWA</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>Kodowanie plików CSV, które nie są zapisane w UTF-8: utf-8, windows-1250, windows-1252, iso-8859-2 albo iso-8859-1. Bez tej opcji taki plik jest odrzucany, a komunikat podaje najbardziej prawdopodobne kodowania.</source>
        <translation>Die Kodierung der CSV-Dateien, die nicht in UTF-8 gespeichert sind: utf-8, windows-1250, windows-1252, iso-8859-2 oder iso-8859-1. Ohne diese Option wird eine solche Datei abgelehnt, und die Meldung nennt die wahrscheinlichsten Kodierungen.</translation>
    </message>
    <message>
        <source>Dołącza do bazy listy z innego pliku programu Listy (jak „Dołącz bazę…”: te same reguły duplikatów, jedna transakcja). Przed zapisem powstaje kopia bazy w katalogu kopie/.</source>
        <translation>Bindet die Listen einer anderen Listy-Datei in die Datenbank ein (wie „Datenbank einbinden…“: dieselben Regeln für Doppelte, eine Transaktion). Vor dem Schreiben entsteht eine Sicherung der Datenbank im Ordner kopie/.</translation>
    </message>
    <message>
        <source>Drukuje wszystkie listy przewozowe jako karty do pliku PDF.</source>
        <translation>Druckt alle Frachtzettel als Karten in eine PDF-Datei.</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Liczba kopii każdego listu dla --print-pdf albo każdej karty wagonu dla --print-car-cards (domyślnie 1).</source>
        <translation>Zahl der Kopien jedes Frachtzettels bei --print-pdf oder jeder Wagenkarte bei --print-car-cards (Standard 1).</translation>
    </message>
    <message>
        <source>Drukuje karty wszystkich wagonów z listy wagonów do pliku PDF, w kolorach kart zapisanych w bazie.</source>
        <translation>Druckt die Karten aller Wagen der Wagenliste in eine PDF-Datei, in den in der Datenbank gespeicherten Kartenfarben.</translation>
    </message>
    <message>
        <source>Format kart wagonów dla --print-car-cards: a6 (Wagenkarte A6, domyślny), fremo87, n-re.</source>
        <translation>Format der Wagenkarten bei --print-car-cards: a6 (Wagenkarte A6, Standard), fremo87, n-re.</translation>
    </message>
    <message>
        <source>a4|letter|a6</source>
        <translation>a4|letter|a6</translation>
    </message>
    <message>
        <source>Arkusz dla --print-car-cards (domyślnie a4; karta A6: cztery na A4 bez odstępów, jedna na arkusz A6).</source>
        <translation>Bogen bei --print-car-cards (Standard a4; Karte A6: vier auf A4 ohne Abstand, eine auf einem A6-Bogen).</translation>
    </message>
    <message>
        <source>Język programu w tym uruchomieniu (okna, komunikaty, karty): pl (polski), de (niemiecki), en (angielski). Bez tej opcji język wybrany w menu „Język / Sprache / Language”, a gdy nie wybrano żadnego, polski.</source>
        <translation>Die Sprache des Programms bei diesem Aufruf (Fenster, Meldungen, Karten): pl (Polnisch), de (Deutsch), en (Englisch). Ohne diese Option die im Menü „Język / Sprache / Language“ gewählte, und wenn keine gewählt wurde, Polnisch.</translation>
    </message>
    <message>
        <source>Kieszeń karty wagonu dopasowana do kart listów formatu NAZWA (listy, h0-europa, fremo87, wizytowki, n-re); bez niej kieszeń własna formatu.</source>
        <translation>Tasche der Wagenkarte passend zu Frachtzetteln des Formats NAME (listy, h0-europa, fremo87, wizytowki, n-re); ohne sie die eigene Tasche des Formats.</translation>
    </message>
    <message>
        <source>
Układ kart dla --print-pdf (bez nich: układ domyślny, nigdy wybór z okna):
</source>
        <translation>
Kartenanordnung für --print-pdf (ohne sie: die Standardanordnung, nie die Wahl im Fenster):
</translation>
    </message>
    <message>
        <source>opcje --car-card-format, --car-paper i --pocket działają tylko razem z --print-car-cards</source>
        <translation>die Optionen --car-card-format, --car-paper und --pocket wirken nur zusammen mit --print-car-cards</translation>
    </message>
    <message>
        <source>--car-card-format: nieznany format „%1” (a6, fremo87, n-re)</source>
        <translation>--car-card-format: unbekanntes Format „%1“ (a6, fremo87, n-re)</translation>
    </message>
    <message>
        <source>--car-paper: nieznany arkusz „%1” (a4, letter, a6)</source>
        <translation>--car-paper: unbekannter Bogen „%1“ (a4, letter, a6)</translation>
    </message>
    <message>
        <source>--car-paper: karta %1 nie mieści się na arkuszu %2</source>
        <translation>--car-paper: die Karte %1 passt nicht auf den Bogen %2</translation>
    </message>
    <message>
        <source>--pocket: nieznany format kart listów „%1”</source>
        <translation>--pocket: unbekanntes Frachtzettelformat „%1“</translation>
    </message>
    <message>
        <source>--pocket: karta listu %1 nie mieści się na karcie wagonu</source>
        <translation>--pocket: der Frachtzettel %1 passt nicht auf die Wagenkarte</translation>
    </message>
    <message>
        <source>nieznana opcja: %1%2</source>
        <translation>unbekannte Option: %1%2</translation>
    </message>
    <message>
        <source>błąd w wierszu poleceń (brak wartości opcji?): %1</source>
        <translation>Fehler in der Befehlszeile (fehlt der Wert einer Option?): %1</translation>
    </message>
    <message>
        <source>opcję --%1 można podać tylko raz</source>
        <translation>die Option --%1 darf nur einmal angegeben werden</translation>
    </message>
    <message>
        <source>opcja --%1 wymaga niepustej wartości</source>
        <translation>die Option --%1 braucht einen nicht leeren Wert</translation>
    </message>
    <message>
        <source>--language: nieznany język „%1” (pl, de, en)</source>
        <translation>--language: unbekannte Sprache „%1“ (pl, de, en)</translation>
    </message>
    <message>
        <source>opcje układu kart (--card-format, --paper, --fold, --first-slot, --order, --return-cards, --letter-codes, --toner-saver) działają tylko razem z --print-pdf</source>
        <translation>die Optionen der Kartenanordnung (--card-format, --paper, --fold, --first-slot, --order, --return-cards, --letter-codes, --toner-saver) wirken nur zusammen mit --print-pdf</translation>
    </message>
    <message>
        <source>--encoding: nieznane kodowanie „%1” (możliwe: %2)</source>
        <translation>--encoding: unbekannte Kodierung „%1“ (möglich: %2)</translation>
    </message>
    <message>
        <source>--encoding działa tylko razem z --import albo --import-csv</source>
        <translation>--encoding wirkt nur zusammen mit --import oder --import-csv</translation>
    </message>
    <message>
        <source>nieoczekiwany argument: %1</source>
        <translation>unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>--copies: liczba kopii musi być liczbą całkowitą od 1 do 1000, a jest „%1”</source>
        <translation>--copies: die Zahl der Kopien muss eine ganze Zahl von 1 bis 1000 sein, ist aber „%1“</translation>
    </message>
    <message>
        <source>--copies działa tylko razem z --print-pdf albo --print-car-cards</source>
        <translation>--copies wirkt nur zusammen mit --print-pdf oder --print-car-cards</translation>
    </message>
    <message>
        <source>Kopia bazy sprzed importu: </source>
        <translation>Sicherung der Datenbank vor dem Import: </translation>
    </message>
    <message>
        <source>kodowanie podaje opcja --encoding, np. --encoding windows-1252</source>
        <translation>die Kodierung gibt die Option --encoding an, z. B. --encoding windows-1252</translation>
    </message>
    <message>
        <source>Kopia bazy sprzed dołączenia: </source>
        <translation>Sicherung der Datenbank vor dem Einbinden: </translation>
    </message>
    <message>
        <source>Zapisano %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message>
        <source>Zapisano %1 kart do pliku %2</source>
        <translation>%1 Karten in die Datei %2 gespeichert</translation>
    </message>
    <message>
        <source>Zapisano %1 kart wagonów do pliku %2</source>
        <translation>%1 Wagenkarten in die Datei %2 gespeichert</translation>
    </message>
    <message>
        <source>listy --help opisuje opcje.</source>
        <translation>listy --help beschreibt die Optionen.</translation>
    </message>
    <message>
        <source>TYGODNIE</source>
        <translation>WOCHEN</translation>
    </message>
    <message>
        <source>Tworzy listy przewozowe z relacji (menu Ruch → Relacje…) na TYGODNIE tygodni (1–520): z każdej relacji tyle listów, ile wagonów na tydzień razy tygodnie, w kolejności wylosowanej, jak „Generuj listy…”. Przed zapisem powstaje kopia bazy w katalogu kopie/; na koniec podsumowanie dla każdej stacji.</source>
        <translation>Erzeugt Frachtzettel aus den Relationen (Menü Betrieb → Relationen…) für WOCHEN Wochen (1–520): aus jeder Relation so viele Frachtzettel wie Wagen pro Woche mal Wochen, in gemischter Reihenfolge, wie „Frachtzettel erzeugen…“. Vor dem Schreiben entsteht eine Sicherungskopie im Ordner kopie/; zum Schluss eine Zusammenfassung je Bahnhof.</translation>
    </message>
    <message>
        <source>Z --generate: listy na N dni ruchu (1–3640) zamiast tygodni; dzień to siódma część tygodnia, a ułamki zaokrągla metoda największych reszt, tak by suma była dokładna.</source>
        <translation>Mit --generate: Frachtzettel für N Betriebstage (1–3640) statt Wochen; ein Tag ist ein Siebtel einer Woche, Bruchteile werden nach den größten Resten gerundet, so dass die Summe stimmt.</translation>
    </message>
    <message>
        <source>Z --generate: ziarno losowania kolejności (liczba całkowita 0–18446744073709551615); to samo ziarno na tej samej bazie daje te same listy w tej samej kolejności. Bez tej opcji ziarno jest losowe i zostaje wypisane.</source>
        <translation>Mit --generate: Startwert der Mischung (ganze Zahl 0–18446744073709551615); derselbe Startwert auf derselben Datenbank ergibt dieselben Frachtzettel in derselben Reihenfolge. Ohne diese Option ist er zufällig und wird ausgegeben.</translation>
    </message>
    <message>
        <source>Z --generate: tylko relacje nadawane na stacji NAZWA albo do niej odbierane; można podać kilka razy.</source>
        <translation>Mit --generate: nur Relationen, die im Bahnhof NAME versandt oder dort empfangen werden; kann mehrmals stehen.</translation>
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
        <translation>Aufruf: listy [Optionen]
Listy: Frachtzettel für FREMO-Betriebstreffen.
Ohne Befehl öffnet es das Programmfenster. Die Befehle --export-csv, --export-xlsx, --import,
--merge, --generate, --print-pdf und --print-car-cards arbeiten ohne Fenster und ohne
Bildschirm; sie enden mit dem Status 0, bei einem Fehler mit einer Meldung auf der
Standardfehlerausgabe und einem Status ungleich 0.

Optionen:
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
Beispiele:
  listy --database treffen.sdb --export-csv austausch
  listy --database treffen.sdb --import-csv austausch/*.csv
  listy --database treffen.sdb --import plan.xlsx --encoding windows-1252 dk.csv
  listy --database treffen.sdb --merge modul-mueller.sdb
  listy --print-pdf karten.pdf --copies 2
  listy --print-pdf karten.pdf --order sending --first-slot 5 --letter-codes
  listy --print-pdf karten.pdf --card-format h0-europa --paper letter --fold
  listy --print-car-cards wagen.pdf --car-card-format a6 --car-paper a4
  listy --generate 1 --seed 42 --station Gliwice --print-pdf stapel.pdf
  listy --language de --print-pdf karten.pdf
</translation>
    </message>
    <message>
        <source>opcje --days, --seed i --station działają tylko razem z --generate</source>
        <translation>die Optionen --days, --seed und --station wirken nur zusammen mit --generate</translation>
    </message>
    <message>
        <source>--%1: liczba musi być całkowita od %2 do %3, a jest „%4”</source>
        <translation>--%1: die Zahl muss ganz sein, von %2 bis %3, ist aber „%4“</translation>
    </message>
    <message>
        <source>--seed: ziarno musi być liczbą całkowitą nieujemną, a jest „%1”</source>
        <translation>--seed: der Startwert muss eine nicht negative ganze Zahl sein, ist aber „%1“</translation>
    </message>
    <message>
        <source>opcja --station wymaga niepustej wartości</source>
        <translation>die Option --station braucht einen nicht leeren Wert</translation>
    </message>
    <message>
        <source>--station: w bazie nie ma stacji „%1”</source>
        <translation>--station: die Datenbank hat keinen Bahnhof „%1“</translation>
    </message>
    <message>
        <source>Ziarno losowania: %1</source>
        <translation>Startwert: %1</translation>
    </message>
    <message>
        <source>Kopia bazy sprzed generowania: %1</source>
        <translation>Sicherungskopie vor dem Erzeugen: %1</translation>
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
        <translation>FEHLER</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Pytanie</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Transakcja jest otwarta. Zatwierdzić zmiany?</source>
        <translation>Eine Transaktion ist offen. Die Änderungen übernehmen?</translation>
    </message>
</context>
<context>
    <name>ui::DuplicatesDialog</name>
    <message>
        <source>Stacje</source>
        <translation>Bahnhöfe</translation>
    </message>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Versender/Empfänger</translation>
    </message>
    <message>
        <source>Ładunki</source>
        <translation>Ladegüter</translation>
    </message>
    <message>
        <source> (stacja %1)</source>
        <translation> (Bahnhof %1)</translation>
    </message>
    <message>
        <source> (wagony %1)</source>
        <translation> (Wagen %1)</translation>
    </message>
    <message>
        <source>Popraw nazwę</source>
        <translation>Namen berichtigen</translation>
    </message>
    <message>
        <source>Nowa nazwa:</source>
        <translation>Neuer Name:</translation>
    </message>
    <message>
        <source>Rodzaj wagonu:</source>
        <translation>Wagengattung:</translation>
    </message>
    <message>
        <source>Popraw nazwę…</source>
        <translation>Namen berichtigen…</translation>
    </message>
    <message>
        <source>Połącz duplikaty</source>
        <translation>Duplikate zusammenführen</translation>
    </message>
    <message>
        <source>Te nazwy wyglądają na jedną rzecz. Zaznaczone grupy zostaną połączone pod nazwą z kolumny „Zostaje”; listy przewozowe nie są usuwane.</source>
        <translation>Diese Namen sehen nach ein und derselben Sache aus. Die markierten Gruppen werden unter dem Namen aus der Spalte „Bleibt“ zusammengeführt; Frachtzettel werden nicht gelöscht.</translation>
    </message>
    <message>
        <source>Połączyć</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Zostaje</source>
        <translation>Bleibt</translation>
    </message>
    <message>
        <source>Nazwy w grupie</source>
        <translation>Namen der Gruppe</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>różne kolory: %1 (zostaje kolor zachowanej nazwy)</source>
        <translation>verschiedene Farben: %1 (die Farbe des bleibenden Namens bleibt)</translation>
    </message>
    <message>
        <source>Połącz</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Nie znaleziono duplikatów.</source>
        <translation>Keine Duplikate gefunden.</translation>
    </message>
</context>
<context>
    <name>ui::EncodingDialog</name>
    <message>
        <source>Kodowanie pliku %1</source>
        <translation>Kodierung der Datei %1</translation>
    </message>
    <message>
        <source>Plik %1 nie jest zapisany w UTF-8. Wybierz kodowanie, w którym wszystkie litery wyglądają dobrze (pierwsze jest najbardziej prawdopodobne):</source>
        <translation>Die Datei %1 ist nicht in UTF-8 gespeichert. Wähle die Kodierung, in der alle Buchstaben richtig aussehen (die erste ist die wahrscheinlichste):</translation>
    </message>
    <message>
        <source>Wczytaj jako %1</source>
        <translation>Als %1 einlesen</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::ExchangeDialogs</name>
    <message>
        <source>Eksport CSV – katalog na pliki</source>
        <translation>CSV-Export – Ordner für die Dateien</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV-Import</translation>
    </message>
    <message>
        <source>Pliki CSV (*.csv);;Wszystkie pliki (*)</source>
        <translation>CSV-Dateien (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Dołącz bazę</source>
        <translation>Datenbank einbinden</translation>
    </message>
    <message>
        <source>Bazy Listy (*.sdb);;Wszystkie pliki (*)</source>
        <translation>Listy-Datenbanken (*.sdb);;Alle Dateien (*)</translation>
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
        <translation>Tabellen-Export</translation>
    </message>
    <message>
        <source>Skoroszyty Excel (*.xlsx)</source>
        <translation>Excel-Arbeitsmappen (*.xlsx)</translation>
    </message>
    <message>
        <source>Import arkusza</source>
        <translation>Tabellen-Import</translation>
    </message>
    <message>
        <source>Arkusze i pliki CSV (*.xlsx *.ods *.csv);;Wszystkie pliki (*)</source>
        <translation>Tabellen und CSV-Dateien (*.xlsx *.ods *.csv);;Alle Dateien (*)</translation>
    </message>
</context>
<context>
    <name>ui::FindDialog</name>
    <message>
        <source>Szukaj</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>&amp;Szukaj:</source>
        <translation>&amp;Suchen:</translation>
    </message>
    <message>
        <source>&amp;Następny</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>&amp;Poprzedni</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Wpisz szukany tekst.</source>
        <translation>Gib den gesuchten Text ein.</translation>
    </message>
    <message>
        <source>Nie znaleziono „%1”.</source>
        <translation>„%1“ nicht gefunden.</translation>
    </message>
    <message>
        <source>Szukanie wróciło na początek listy.</source>
        <translation>Die Suche ist wieder am Anfang der Liste.</translation>
    </message>
    <message>
        <source>Szukanie wróciło na koniec listy.</source>
        <translation>Die Suche ist wieder am Ende der Liste.</translation>
    </message>
</context>
<context>
    <name>ui::GenerateDialog</name>
    <message>
        <source>Generuj listy</source>
        <translation>Frachtzettel erzeugen</translation>
    </message>
    <message>
        <source>&amp;tygodnie:</source>
        <translation>&amp;Wochen:</translation>
    </message>
    <message>
        <source>&amp;dni ruchu:</source>
        <translation>&amp;Betriebstage:</translation>
    </message>
    <message>
        <source>Okres:</source>
        <translation>Zeitraum:</translation>
    </message>
    <message>
        <source>Stacje (żadna zaznaczona: wszystkie):</source>
        <translation>Bahnhöfe (keiner markiert: alle):</translation>
    </message>
    <message>
        <source>&amp;Losuj ponownie</source>
        <translation>&amp;Neu mischen</translation>
    </message>
    <message>
        <source>&amp;Ziarno losowania:</source>
        <translation>&amp;Startwert:</translation>
    </message>
    <message>
        <source>Stacja nadania</source>
        <translation>Versandbahnhof</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Versender</translation>
    </message>
    <message>
        <source>Rodzaj wagonu</source>
        <translation>Wagengattung</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Ladegut</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Stacja odbioru</source>
        <translation>Empfangsbahnhof</translation>
    </message>
    <message>
        <source>&amp;Generuj</source>
        <translation>&amp;Erzeugen</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Listów: %1 z %2 relacji.</source>
        <translation>Frachtzettel: %1 aus %2 Relationen.</translation>
    </message>
    <message>
        <source>Pominiętych relacji: %1.</source>
        <translation>Übersprungene Relationen: %1.</translation>
    </message>
    <message>
        <source>Ostrzeżeń: %1.</source>
        <translation>Warnungen: %1.</translation>
    </message>
    <message>
        <source>Ziarno losowania: %1</source>
        <translation>Startwert: %1</translation>
    </message>
    <message>
        <source>Kopia bazy sprzed generowania: %1</source>
        <translation>Sicherungskopie vor dem Erzeugen: %1</translation>
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
        <translation>Wagengatt.</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Ladegut</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Versender</translation>
    </message>
    <message>
        <source>Stacja nad</source>
        <translation>Versandbf.</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Stacja odb.</source>
        <translation>Empfangsbf.</translation>
    </message>
    <message>
        <source>Stacja</source>
        <translation>Bahnhof</translation>
    </message>
    <message>
        <source>Nadawca/odbiorca</source>
        <translation>Versender/Empfänger</translation>
    </message>
    <message>
        <source>Numer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>Klasa</source>
        <translation>Gattung</translation>
    </message>
    <message>
        <source>Właściciel</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>Stacja macierzysta</source>
        <translation>Heimatbahnhof</translation>
    </message>
    <message>
        <source>Długość</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Prędkość</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Uwagi</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>Stacja nadania</source>
        <translation>Versandbahnhof</translation>
    </message>
    <message>
        <source>Rodzaj wagonu</source>
        <translation>Wagengattung</translation>
    </message>
    <message>
        <source>Stacja odbioru</source>
        <translation>Empfangsbahnhof</translation>
    </message>
    <message>
        <source>Wagonów na tydzień</source>
        <translation>Wagen pro Woche</translation>
    </message>
    <message>
        <source>Braki</source>
        <translation>Fehlt</translation>
    </message>
</context>
<context>
    <name>ui::HelpMenu</name>
    <message>
        <source>  Alt+podkreślona litera – otwiera menu
</source>
        <translation>  Alt+unterstrichener Buchstabe – öffnet das Menü
</translation>
    </message>
    <message>
        <source>
Esc zamyka każde okno oprócz głównego.</source>
        <translation>
Esc schließt jedes Fenster außer dem Hauptfenster.</translation>
    </message>
    <message>
        <source>Listy przewozowe %1
Wagonowe listy przewozowe na sesje ruchowe kolei modelowej.

SQLite %2, Qt %3
Plik bazy: %4</source>
        <translation>Listy %1
Frachtzettel für Betriebstreffen der Modellbahn.

SQLite %2, Qt %3
Datenbankdatei: %4</translation>
    </message>
    <message>
        <source>Nie znaleziono podręcznika (podrecznik.md) przy programie.</source>
        <translation>Das Handbuch (podrecznik.md) wurde beim Programm nicht gefunden.</translation>
    </message>
    <message>
        <source>Nie udało się otworzyć podręcznika %1 w przeglądarce.</source>
        <translation>Das Handbuch %1 ließ sich im Browser nicht öffnen.</translation>
    </message>
    <message>
        <source>Skróty klawiszowe</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>O programie</source>
        <translation>Über das Programm</translation>
    </message>
    <message>
        <source>Pomo&amp;c</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Podręcznik użytkownika</source>
        <translation>Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>ui::Keys</name>
    <message>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfg</translation>
    </message>
    <message>
        <source>Spacja</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Ctrl</source>
        <translation>Strg</translation>
    </message>
</context>
<context>
    <name>ui::LoadsWindow</name>
    <message>
        <source>Ładunki</source>
        <translation>Ladegüter</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Ladegut</translation>
    </message>
    <message>
        <source>Wagony</source>
        <translation>Wagen</translation>
    </message>
    <message>
        <source>Dopisz</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>ui::MainWindow</name>
    <message>
        <source>Listy przewozowe</source>
        <translation>Frachtzettel</translation>
    </message>
    <message>
        <source>Listy</source>
        <translation>Frachtzettel</translation>
    </message>
    <message>
        <source>Stacja nadania</source>
        <translation>Versandbahnhof</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Versender</translation>
    </message>
    <message>
        <source>Ładunek</source>
        <translation>Ladegut</translation>
    </message>
    <message>
        <source>Typ wagonu</source>
        <translation>Wagengattung</translation>
    </message>
    <message>
        <source>Stacja odbioru</source>
        <translation>Empfangsbahnhof</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Nowy list</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edycja</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zatwierdź</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Plik</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Wyjscie</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Wydruk</source>
        <translation>Dr&amp;uck</translation>
    </message>
    <message>
        <source>Wydruk listów</source>
        <translation>Frachtzettel drucken</translation>
    </message>
    <message>
        <source>P&amp;arametry</source>
        <translation>&amp;Parameter</translation>
    </message>
    <message>
        <source>Stacje</source>
        <translation>Bahnhöfe</translation>
    </message>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Versender/Empfänger</translation>
    </message>
    <message>
        <source>Ładunki</source>
        <translation>Ladegüter</translation>
    </message>
    <message>
        <source>&amp;Baza</source>
        <translation>Datenban&amp;k</translation>
    </message>
    <message>
        <source>Kasowanie zawartości/Nowa baza</source>
        <translation>Inhalt löschen/Neue Datenbank</translation>
    </message>
    <message>
        <source>Kasowanie listów</source>
        <translation>Frachtzettel löschen</translation>
    </message>
    <message>
        <source>Przeglądarka</source>
        <translation>SQL-Browser</translation>
    </message>
    <message>
        <source>&amp;Ruch</source>
        <translation>Be&amp;trieb</translation>
    </message>
    <message>
        <source>Wagony…</source>
        <translation>Wagen…</translation>
    </message>
    <message>
        <source>Pytanie</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>Skasować list przewozowy?</source>
        <translation>Den Frachtzettel löschen?</translation>
    </message>
    <message>
        <source>List przewozowy ZOSTAŁ skasowany.</source>
        <translation>Der Frachtzettel WURDE gelöscht.</translation>
    </message>
    <message>
        <source>List przewozowy NIE skasowany.</source>
        <translation>Der Frachtzettel wurde NICHT gelöscht.</translation>
    </message>
    <message>
        <source>UWAGA</source>
        <translation>ACHTUNG</translation>
    </message>
    <message>
        <source>Zostaną skasowane wszystkie dane!!</source>
        <translation>Alle Daten werden gelöscht!!</translation>
    </message>
    <message>
        <source>Nowa baza ZOSTAŁA założona</source>
        <translation>Die neue Datenbank WURDE angelegt</translation>
    </message>
    <message>
        <source>Nowa baza NIE ZOSTAŁA założona</source>
        <translation>Die neue Datenbank wurde NICHT angelegt</translation>
    </message>
    <message>
        <source>&amp;Edycja</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Popraw nazwę…</source>
        <translation>Namen berichtigen…</translation>
    </message>
    <message>
        <source>Powiel list…</source>
        <translation>Frachtzettel vervielfältigen…</translation>
    </message>
    <message>
        <source>Cofnij: </source>
        <translation>Rückgängig: </translation>
    </message>
    <message>
        <source>Nie ma czego cofnąć</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <source>Ponów: </source>
        <translation>Wiederholen: </translation>
    </message>
    <message>
        <source>Nie ma czego ponowić</source>
        <translation>Nichts zu wiederholen</translation>
    </message>
    <message>
        <source>Stacja: </source>
        <translation>Bahnhof: </translation>
    </message>
    <message>
        <source>Nadawca/odbiorca: %1 (stacja %2)</source>
        <translation>Versender/Empfänger: %1 (Bahnhof %2)</translation>
    </message>
    <message>
        <source>Ładunek: %1 (wagony %2)</source>
        <translation>Ladegut: %1 (Wagen %2)</translation>
    </message>
    <message>
        <source>Popraw nazwę</source>
        <translation>Namen berichtigen</translation>
    </message>
    <message>
        <source>Co poprawić:</source>
        <translation>Was berichtigen:</translation>
    </message>
    <message>
        <source>Powiel list</source>
        <translation>Frachtzettel vervielfältigen</translation>
    </message>
    <message>
        <source>Liczba kopii listu nr %1:</source>
        <translation>Zahl der Kopien des Frachtzettels Nr. %1:</translation>
    </message>
    <message>
        <source>Wy&amp;miana</source>
        <translation>&amp;Austausch</translation>
    </message>
    <message>
        <source>Eksport CSV…</source>
        <translation>CSV-Export…</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>CSV-Import…</translation>
    </message>
    <message>
        <source>Eksport arkusza…</source>
        <translation>Tabellen-Export…</translation>
    </message>
    <message>
        <source>Import arkusza…</source>
        <translation>Tabellen-Import…</translation>
    </message>
    <message>
        <source>Dołącz bazę…</source>
        <translation>Datenbank einbinden…</translation>
    </message>
    <message>
        <source>Przywróć kopię…</source>
        <translation>Sicherung wiederherstellen…</translation>
    </message>
    <message>
        <source>Szukaj…</source>
        <translation>Suchen…</translation>
    </message>
    <message>
        <source>Zapisano pliki:
</source>
        <translation>Gespeicherte Dateien:
</translation>
    </message>
    <message>
        <source>Brak kopii zapasowych w katalogu </source>
        <translation>Keine Sicherungen im Ordner </translation>
    </message>
    <message>
        <source>Przywrócono kopię z %1.</source>
        <translation>Die Sicherung vom %1 wurde wiederhergestellt.</translation>
    </message>
    <message>
        <source>Plik %1 już istnieje. Zastąpić go?</source>
        <translation>Die Datei %1 gibt es schon. Ersetzen?</translation>
    </message>
    <message>
        <source>Te pliki już istnieją:
%1
Zastąpić je?</source>
        <translation>Diese Dateien gibt es schon:
%1
Ersetzen?</translation>
    </message>
    <message>
        <source>Zapisano plik:
</source>
        <translation>Gespeicherte Datei:
</translation>
    </message>
    <message>
        <source>Relacje…</source>
        <translation>Relationen…</translation>
    </message>
    <message>
        <source>Generuj listy…</source>
        <translation>Frachtzettel erzeugen…</translation>
    </message>
    <message>
        <source>Połącz duplikaty…</source>
        <translation>Duplikate zusammenführen…</translation>
    </message>
    <message>
        <source>Proponuj połączenie duplikatów po imporcie</source>
        <translation>Nach dem Import Duplikate vorschlagen</translation>
    </message>
    <message>
        <source>Baza nie zawiera stacji, nadawców/odbiorców ani ładunków.</source>
        <translation>Die Datenbank enthält keine Bahnhöfe, Versender/Empfänger oder Ladegüter.</translation>
    </message>
</context>
<context>
    <name>ui::PartiesWindow</name>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Versender/Empfänger</translation>
    </message>
    <message>
        <source>Nazwa</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Stacja</source>
        <translation>Bahnhof</translation>
    </message>
    <message>
        <source>Dodaj</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>UWAGA</source>
        <translation>ACHTUNG</translation>
    </message>
    <message>
        <source>Uwaga, zostaną skasowane również: listy przewozowe z tym nadawcą/odbiorcą. Jesteś pewien?</source>
        <translation>Achtung, gelöscht werden auch: die Frachtzettel mit diesem Versender/Empfänger. Bist du sicher?</translation>
    </message>
</context>
<context>
    <name>ui::PickerDialog</name>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::PrintHeaderRow</name>
    <message>
        <source>Ładunek</source>
        <translation>Ladegut</translation>
    </message>
    <message>
        <source>Stacja odb.</source>
        <translation>Empfangsbf.</translation>
    </message>
    <message>
        <source>Odbiorca</source>
        <translation>Empfänger</translation>
    </message>
    <message>
        <source>Wagon</source>
        <translation>Wagen</translation>
    </message>
    <message>
        <source>Nadawca</source>
        <translation>Versender</translation>
    </message>
    <message>
        <source>Stacja nad.</source>
        <translation>Versandbf.</translation>
    </message>
    <message>
        <source>Ilosc</source>
        <translation>Anz.</translation>
    </message>
</context>
<context>
    <name>ui::PrintOptionsDialog</name>
    <message>
        <source>Opcje wydruku</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Jak na liście</source>
        <translation>Wie in der Liste</translation>
    </message>
    <message>
        <source>Według stacji nadania</source>
        <translation>Nach Versandbahnhof</translation>
    </message>
    <message>
        <source>Według stacji odbioru</source>
        <translation>Nach Empfangsbahnhof</translation>
    </message>
    <message>
        <source>Karta &amp;zwrotna próżnego wagonu po każdej kopii</source>
        <translation>&amp;Leerwagenkarte nach jeder Kopie</translation>
    </message>
    <message>
        <source>Kody &amp;literowe kolorów na pasach stacji (BIA, CZE, ŻÓŁ…)</source>
        <translation>&amp;Buchstabenkürzel der Farben auf den Bahnhofsstreifen (WEI, ROT, GEL…)</translation>
    </message>
    <message>
        <source>&amp;Oszczędzanie tonera: bez szarego tła, wyraźna linia cięcia</source>
        <translation>&amp;Tonersparen: ohne grauen Hintergrund, deutliche Schnittlinie</translation>
    </message>
    <message>
        <source>Arkusz pozio&amp;my</source>
        <translation>Bogen &amp;quer</translation>
    </message>
    <message>
        <source>List &amp;składany: karta zwrotna na odwrocie, złożyć wzdłuż linii</source>
        <translation>&amp;Faltzettel: Leerwagenkarte auf der Rückseite, entlang der Linie falten</translation>
    </message>
    <message>
        <source>&amp;Pierwsze pole arkusza:</source>
        <translation>&amp;Erstes Feld des Bogens:</translation>
    </message>
    <message>
        <source>&amp;Kolejność kart:</source>
        <translation>&amp;Reihenfolge der Karten:</translation>
    </message>
    <message>
        <source>&amp;Format kart:</source>
        <translation>&amp;Kartenformat:</translation>
    </message>
    <message>
        <source>P&amp;apier:</source>
        <translation>P&amp;apier:</translation>
    </message>
    <message>
        <source>Sz&amp;erokość</source>
        <translation>B&amp;reite</translation>
    </message>
    <message>
        <source>&amp;Wysokość</source>
        <translation>&amp;Höhe</translation>
    </message>
    <message>
        <source>Własny format:</source>
        <translation>Eigenes Format:</translation>
    </message>
    <message>
        <source>w p&amp;rawo</source>
        <translation>nach &amp;rechts</translation>
    </message>
    <message>
        <source>w dó&amp;ł</source>
        <translation>nach &amp;unten</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Domyślne</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>Pola arkusza liczone rzędami od lewego górnego (1–%1).
Pola przed nim zostają puste: arkusz zaczęty poprzednio.</source>
        <translation>Felder des Bogens zeilenweise von links oben gezählt (1–%1).
Die Felder davor bleiben leer: ein früher angefangener Bogen.</translation>
    </message>
    <message>
        <source>Przesunięcie wydruku na drukarce domyślnej (w 0,1 mm):</source>
        <translation>Druckversatz am Standarddrucker (in 0,1 mm):</translation>
    </message>
    <message>
        <source>Przesunięcie wydruku na drukarce „%1” (w 0,1 mm):</source>
        <translation>Druckversatz am Drucker „%1“ (in 0,1 mm):</translation>
    </message>
</context>
<context>
    <name>ui::PrintWindow</name>
    <message>
        <source>Wydruk do pliku PDF</source>
        <translation>Druck in eine PDF-Datei</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>%1 arkusz</source>
        <translation>%1 Bogen</translation>
    </message>
    <message>
        <source>%1 arkusze</source>
        <translation>%1 Bogen</translation>
    </message>
    <message>
        <source>%1 arkuszy</source>
        <translation>%1 Bogen</translation>
    </message>
    <message>
        <source>Drukuj do pliku PDF...</source>
        <translation>In eine PDF-Datei drucken...</translation>
    </message>
    <message>
        <source>Podgląd wydruku</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>Opcje wydruku…</source>
        <translation>Druckoptionen…</translation>
    </message>
    <message>
        <source>Zaznacz wszystkie</source>
        <translation>Alle markieren</translation>
    </message>
    <message>
        <source>Odznacz wszystkie</source>
        <translation>Alle abwählen</translation>
    </message>
    <message>
        <source>Odwróć zaznaczenie</source>
        <translation>Markierung umkehren</translation>
    </message>
    <message>
        <source>Zaznacz ze stacji nadania…</source>
        <translation>Vom Versandbahnhof markieren…</translation>
    </message>
    <message>
        <source>Zaznacz do stacji odbioru…</source>
        <translation>Zum Empfangsbahnhof markieren…</translation>
    </message>
    <message>
        <source>Liczba kopii zaznaczonych…</source>
        <translation>Zahl der Kopien der markierten…</translation>
    </message>
    <message>
        <source>Zaznacz ze stacji nadania</source>
        <translation>Vom Versandbahnhof markieren</translation>
    </message>
    <message>
        <source>Stacja nadania:</source>
        <translation>Versandbahnhof:</translation>
    </message>
    <message>
        <source>Zaznacz do stacji odbioru</source>
        <translation>Zum Empfangsbahnhof markieren</translation>
    </message>
    <message>
        <source>Stacja odbioru:</source>
        <translation>Empfangsbahnhof:</translation>
    </message>
    <message>
        <source>Drukuj do pliku PDF</source>
        <translation>In eine PDF-Datei drucken</translation>
    </message>
    <message>
        <source>Opcje wydruku</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>Wydruk</source>
        <translation>Druck</translation>
    </message>
    <message>
        <source>Wybór drukarki</source>
        <translation>Drucker</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Drukuje zaznaczone listy. Prawy przycisk myszy: %1.</source>
        <translation>Druckt die markierten Frachtzettel. Rechte Maustaste: %1.</translation>
    </message>
    <message>
        <source>Nie zaznaczono żadnego listu.</source>
        <translation>Kein Frachtzettel ist markiert.</translation>
    </message>
    <message>
        <source>Liczba kopii</source>
        <translation>Zahl der Kopien</translation>
    </message>
    <message>
        <source>Liczba kopii każdego zaznaczonego listu:</source>
        <translation>Zahl der Kopien jedes markierten Frachtzettels:</translation>
    </message>
    <message>
        <source>%1×%2 mm</source>
        <translation>%1×%2 mm</translation>
    </message>
    <message>
        <source>Listy przewozowe: %1 %2, %3%4</source>
        <translation>Frachtzettel: %1 %2, %3%4</translation>
    </message>
    <message>
        <source>, składane</source>
        <translation>, gefaltet</translation>
    </message>
</context>
<context>
    <name>ui::RelationsWindow</name>
    <message>
        <source>Relacje</source>
        <translation>Relationen</translation>
    </message>
    <message>
        <source>&amp;Stacja:</source>
        <translation>&amp;Bahnhof:</translation>
    </message>
    <message>
        <source>tylko dostępne wagony</source>
        <translation>nur verfügbare Wagen</translation>
    </message>
    <message>
        <source>Stacja &amp;nadania:</source>
        <translation>&amp;Versandbahnhof:</translation>
    </message>
    <message>
        <source>N&amp;adawca:</source>
        <translation>V&amp;ersender:</translation>
    </message>
    <message>
        <source>Ł&amp;adunek:</source>
        <translation>&amp;Ladegut:</translation>
    </message>
    <message>
        <source>&amp;Odbiorca:</source>
        <translation>Em&amp;pfänger:</translation>
    </message>
    <message>
        <source>Stacja o&amp;dbioru:</source>
        <translation>Empfangsbahn&amp;hof:</translation>
    </message>
    <message>
        <source>&amp;Wagonów na tydzień:</source>
        <translation>&amp;Wagen pro Woche:</translation>
    </message>
    <message>
        <source>&amp;Uwagi:</source>
        <translation>Be&amp;merkung:</translation>
    </message>
    <message>
        <source>Miejsca:</source>
        <translation>Gleisplätze:</translation>
    </message>
    <message>
        <source>D&amp;opisz</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Zmień</source>
        <translation>Än&amp;dern</translation>
    </message>
    <message>
        <source>U&amp;suń</source>
        <translation>Lös&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Miejsca nadawcy…</source>
        <translation>Gleisplätze Ver&amp;sender…</translation>
    </message>
    <message>
        <source>M&amp;iejsca odbiorcy…</source>
        <translation>Gleisplätze Emp&amp;fänger…</translation>
    </message>
    <message>
        <source>&amp;Generuj listy…</source>
        <translation>Frachtzettel er&amp;zeugen…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>(wszystkie)</source>
        <translation>(alle)</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>bez ograniczeń</source>
        <translation>unbegrenzt</translation>
    </message>
    <message>
        <source>nadawca: %1, odbiorca: %2</source>
        <translation>Versender: %1, Empfänger: %2</translation>
    </message>
    <message>
        <source>Nadawcy/odbiorcy</source>
        <translation>Versender/Empfänger</translation>
    </message>
    <message>
        <source>Ładunki</source>
        <translation>Ladegüter</translation>
    </message>
    <message>
        <source>%1 → %2 (%3)</source>
        <translation>%1 → %2 (%3)</translation>
    </message>
    <message>
        <source>Usuń relację</source>
        <translation>Relation löschen</translation>
    </message>
    <message>
        <source>Usunąć relację %1?</source>
        <translation>Relation %1 löschen?</translation>
    </message>
    <message>
        <source>Miejsca</source>
        <translation>Gleisplätze</translation>
    </message>
    <message>
        <source>Ile wagonów naraz mieści bocznica „%1” (%2)? 0: bez ograniczeń.</source>
        <translation>Wie viele Wagen fasst das Anschlussgleis „%1“ (%2) auf einmal? 0: unbegrenzt.</translation>
    </message>
</context>
<context>
    <name>ui::RestoreDialog</name>
    <message>
        <source>Przywróć kopię</source>
        <translation>Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Rozmiar</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Listów</source>
        <translation>Frachtzettel</translation>
    </message>
    <message>
        <source>nieczytelna</source>
        <translation>unlesbar</translation>
    </message>
    <message>
        <source>Przywróć</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>ui::SqlBrowserWindow</name>
    <message>
        <source>Dostęp do bazy</source>
        <translation>Datenbankzugriff</translation>
    </message>
</context>
<context>
    <name>ui::StationsWindow</name>
    <message>
        <source>Stacje</source>
        <translation>Bahnhöfe</translation>
    </message>
    <message>
        <source>Nazwa stacji</source>
        <translation>Bahnhof</translation>
    </message>
    <message>
        <source>Kolor FREMO</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Dopisz</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Zmień</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Usuń</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Kolor</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Istnieje taka stacja</source>
        <translation>Diesen Bahnhof gibt es schon</translation>
    </message>
    <message>
        <source>UWAGA</source>
        <translation>ACHTUNG</translation>
    </message>
    <message>
        <source>Uwaga, zostaną skasowane również: listy przewozowe i nadawcy/odbiorcy z tą stacją. Jesteś pewien?</source>
        <translation>Achtung, gelöscht werden auch: die Frachtzettel und Versender/Empfänger mit diesem Bahnhof. Bist du sicher?</translation>
    </message>
</context>
<context>
    <name>ui::WagonsWindow</name>
    <message>
        <source>male&amp;jąco</source>
        <translation>ab&amp;steigend</translation>
    </message>
    <message>
        <source>&amp;Klasa:</source>
        <translation>&amp;Gattung:</translation>
    </message>
    <message>
        <source>Wł&amp;aściciel:</source>
        <translation>&amp;Eigentümer:</translation>
    </message>
    <message>
        <source>&amp;Sortuj wg:</source>
        <translation>&amp;Sortieren nach:</translation>
    </message>
    <message>
        <source>&amp;Numer:</source>
        <translation>&amp;Nummer:</translation>
    </message>
    <message>
        <source>K&amp;lasa:</source>
        <translation>Ga&amp;ttung:</translation>
    </message>
    <message>
        <source>&amp;Właściciel:</source>
        <translation>Eigen&amp;tümer:</translation>
    </message>
    <message>
        <source>Stacja &amp;macierzysta:</source>
        <translation>&amp;Heimatbahnhof:</translation>
    </message>
    <message>
        <source>&amp;Długość (mm lub osie):</source>
        <translation>&amp;Länge (mm oder Achsen):</translation>
    </message>
    <message>
        <source>&amp;Prędkość:</source>
        <translation>Geschwin&amp;digkeit:</translation>
    </message>
    <message>
        <source>&amp;Uwagi:</source>
        <translation>&amp;Bemerkungen:</translation>
    </message>
    <message>
        <source>D&amp;opisz</source>
        <translation>Hin&amp;zufügen</translation>
    </message>
    <message>
        <source>&amp;Zmień</source>
        <translation>Ä&amp;ndern</translation>
    </message>
    <message>
        <source>U&amp;suń</source>
        <translation>L&amp;öschen</translation>
    </message>
    <message>
        <source>Kop&amp;iuj…</source>
        <translation>Kop&amp;ieren…</translation>
    </message>
    <message>
        <source>Ko&amp;lory kart…</source>
        <translation>Karten&amp;farben…</translation>
    </message>
    <message>
        <source>&amp;Karty wagonów…</source>
        <translation>&amp;Wagenkarten…</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Wagony</source>
        <translation>Wagen</translation>
    </message>
    <message>
        <source>numer</source>
        <translation>Nummer</translation>
    </message>
    <message>
        <source>klasa</source>
        <translation>Gattung</translation>
    </message>
    <message>
        <source>właściciel</source>
        <translation>Eigentümer</translation>
    </message>
    <message>
        <source>stacja macierzysta</source>
        <translation>Heimatbahnhof</translation>
    </message>
    <message>
        <source>długość</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>prędkość</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>uwagi</source>
        <translation>Bemerkungen</translation>
    </message>
    <message>
        <source>bez znaku</source>
        <translation>ohne Zeichen</translation>
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
        <translation>Wagen löschen</translation>
    </message>
    <message>
        <source>Usunąć wagon %1?</source>
        <translation>Den Wagen %1 löschen?</translation>
    </message>
    <message>
        <source>Kopiuj wagon</source>
        <translation>Wagen kopieren</translation>
    </message>
    <message>
        <source>Ile kopii wagonu %1 (numery liczone dalej)?</source>
        <translation>Wie viele Kopien des Wagens %1 (Nummern weitergezählt)?</translation>
    </message>
</context>
</TS>
