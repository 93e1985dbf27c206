INSERT INTO filialen (nummer, name) VALUES (1, 'Zentrale');
