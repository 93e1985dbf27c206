UPDATE mandanten SET land = 'D' WHERE firma1 = 100;
INSERT INTO partner (gep_nr1, gep_nr2, name, kunden_nr, land, anrede) VALUES
  (1, 1001, 'Meier', 5001, 'D', 'W'),
  (1, 1002, 'Berg Technik GmbH', 5002, 'A', 'F');
INSERT INTO partner_adressen (gep_nr1, gep_nr2, adr_nr, vorname, name, strasse, hausnummer, plz, ort, land) VALUES
  (1, 1001, 1, 'Anna', ' Meier ', 'Hauptstraße', '5a', '20095', 'Hamburg', 'D'),
  (1, 1002, 1, '', 'Berg Technik GmbH', 'Am Markt', '1', '1010', 'Wien', 'A');
INSERT INTO partner_kontakte (gep_nr1, gep_nr2, kontakt_nr, name, telefon, email) VALUES
  (1, 1001, 1, 'Anna Meier', '040 123', 'anna@example.com');
INSERT INTO partner_nummern (gep_nr1, gep_nr2, art1, art2, nummer) VALUES (1, 1002, 1, 90, '1001');
INSERT INTO belege (rnr, lnr, snr, firma1, firma2, gep_nr1, gep_nr2, belegart, phase, nr_teil1, nr_teil2, nr_teil3) VALUES
  (1, 600, 0, 100, 1, 1, 1001, 'AR', '13', 2024, 3, 123),
  (1, 601, 0, 100, 1, 1, 1002, 'GU', '14', 2024, 3, 124),
  (1, 602, 0, 100, 1, 1, 1001, 'AR', '26', 2024, 3, 125);
