UPDATE mandanten SET land = 'D' WHERE firma1 = 100;
