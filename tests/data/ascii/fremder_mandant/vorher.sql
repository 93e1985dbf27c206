-- One column.
INSERT INTO form_store (program, mask, language, idx, user_name, user_text, property)
  VALUES ('SALDIX', 'SERBASCI', 'D', '0', '', '', 'SerBrief.Layout');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 1, 'TRENNER=SEMIKOLON');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 2, 'ANFUEHRUNG=BEDARF');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 3, 'DEZIMAL=,');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 4, 'DATUM=dd.mm.yyyy');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 5, 'KOPFZEILE=J');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 6, 'ZEILENENDE=CRLF');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 7, 'KODIERUNG=ANSI');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 8, 'SPALTEN=1');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 9, 'SPALTE1=KONTO');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 10, 'UEBERSCHRIFT1=Konto');
INSERT INTO form_store_items (entry_id, position, line) VALUES ((SELECT id FROM form_store WHERE mask = 'SERBASCI'), 11, 'BREITE1=0');
