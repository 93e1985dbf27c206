INSERT INTO waehrungen (kuerzel, kurs) VALUES ('CHF', 1.25);
