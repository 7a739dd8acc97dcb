-- Who is connected now, and the log of every entry and exit. Both are written without a column
-- list. Some databases have ativos without the workstation column "local"; the program asks the
-- catalogue before writing, and a test can take the column away with
--   alter table ativos drop local;

-- One line per user: the key stops two workstations from registering the same user at once.
create table ativos (
  usuario varchar(15) not null,
  hora timestamp,
  local varchar(120),
  constraint pk_ativos primary key (usuario)
);

create table acessos (
  seq integer not null,
  usuario varchar(15),
  data date,
  hora time,
  evento varchar(10),
  constraint pk_acessos primary key (seq)
);
