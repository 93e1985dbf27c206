INSERT INTO filialen (nummer, name) VALUES (1, 'Zentrale'), (2, 'Nord');
